/*
 * The viewer's settings, read once from the globals of the configuration script
 * (cn0.js) and the hot-spot tables. Anything missing or malformed falls back to
 * the default the publisher would have written.
 */
import { clamp } from "./numbers.js";
import { eyeAreas } from "./stereo.js";

export const MIN_FOV = 40;
export const MAX_FOV = 130;
export const HOT_SPOT_SLOTS = 10;

function numberSetting(name, fallback) {
    const raw = window[name];
    if (raw === undefined || raw === null || raw === "") {
        return fallback;
    }
    const value = Number(raw);
    return isFinite(value) ? value : fallback;
}

function textSetting(name, fallback) {
    const raw = window[name];
    if (raw === undefined || raw === null) {
        return fallback;
    }
    return String(raw).trim().toLowerCase();
}

function colourSetting(name, fallback) {
    const raw = window[name];
    const valid = new RegExp("^#[0-9A-Fa-f]{6}$");
    return typeof raw === "string" && valid.test(raw) ? raw : fallback;
}

function tableValue(name, index) {
    const table = window[name];
    return table && typeof table === "object" ? table[index] : undefined;
}

function textOf(value) {
    return value === undefined || value === null ? "" : String(value);
}

/* The equirectangular column of the yaw stored for a hot spot. */
function columnOfYaw(storedYaw) {
    const turns = storedYaw / 360;
    return turns - Math.floor(turns);
}

function readHotSpot(index) {
    const pos = Number(tableValue("HotSpotItem_pos", index));
    const time = Number(tableValue("HotSpotItem_time", index));
    const yaw = Number(tableValue("HotSpotItem_yaw", index));
    const self = tableValue("HotSpotItem_self", index);
    if (!(pos > 0)) {
        return null;
    }
    return {
        index: index,
        start: pos,
        end: pos + (time > 0 ? time : 0),
        column: columnOfYaw(isFinite(yaw) ? yaw : 0),
        /* Degrees above the horizon; the table is written only when some icon sits off it. */
        pitch: clamp(Number(tableValue("HotSpotItem_pitch", index)) || 0, -90, 90),
        title: textOf(tableValue("HotSpotItem_title", index)),
        link: textOf(tableValue("HotSpotItem_link", index)),
        self: self === true || self === "true" || self === 1
    };
}

/*
 * Every slot is looked at, whatever OS_HOTSPOTS says: slots keep their own
 * index, so a used slot may lie beyond the count of used slots.
 */
function readHotSpots() {
    const spots = [];
    for (let index = 0; index < HOT_SPOT_SLOTS; index += 1) {
        const spot = readHotSpot(index);
        if (spot) {
            spots.push(spot);
        }
    }
    return spots;
}

export function readConfig() {
    const mode = numberSetting("OS_MODE", 0) === 1 ? 1 : 0;
    const field = numberSetting("field", 360) === 180 ? 180 : 360;
    const eyes = eyeAreas(textSetting("stereo", ""));
    const segments = (name) => Math.round(clamp(numberSetting(name, 128), 8, 512));
    return {
        fov: clamp(numberSetting("fov", 120), MIN_FOV, MAX_FOV),
        fps: Math.max(0, numberSetting("OS_FPS", 0)),
        segmentsWidth: segments("nSegmentsWidth"),
        segmentsHeight: segments("nSegmentsHeight"),
        vertmax: clamp(numberSetting("vertmax", 90), 0, 90),
        lon: numberSetting("lon", 0),
        lat: numberSetting("lat", 0),
        width: Math.max(1, Math.round(numberSetting("RENDER_X", 550))),
        height: Math.max(1, Math.round(numberSetting("RENDER_Y", 400))),
        volume: clamp(numberSetting("OS_VOLUME", 1), 0, 1),
        stats: numberSetting("OS_STAT", 0) === 1,
        mode: mode,
        eyes: eyes,
        field: field,
        /* The frame's width taken by one eye's picture of the whole turn: half of a side-by-side frame, twice a 180-degree one. */
        turnShare: eyes[0][0] * 360 / field,
        /* A half-sphere movie leaves the back of the sphere to the black-area colour, in either mode. */
        clearColour: mode === 1 || field === 180 ? colourSetting("OS_COLOR", "#000000") : "#000000",
        mouseSpeed: Math.max(0, numberSetting("mousespeed", 0.02)),
        controlBar: numberSetting("control_bar", 1) !== 0,
        compact: numberSetting("OS_CONTROL", 0) === 1,
        alignX: textSetting("OS_WIN_POS_W", "left"),
        alignY: textSetting("OS_WIN_POS_H", "top"),
        fullScreen: numberSetting("OS_FULL_SCREEN", 0) === 1,
        barLift: numberSetting("posY", 0),
        hotSpots: readHotSpots()
    };
}

/*
 * The handlers the page's inline attributes call (cLeft, cHS1, ...). They are
 * defined before the viewer runs (handler-forwarders.js) and only
 * announce each call as a document event named tessaly: plus the handler name;
 * here the viewer answers them.
 */
import { HOT_SPOT_SLOTS } from "./config.js";
import { ZOOM_STEP } from "./view.js";

/* Degrees a second while a pan button holds. */
const PAN_SPEED = 30;

function onPage(name, action) {
    document.addEventListener("tessaly:" + name, action, false);
}

/* parts: view, hotSpots, playback, sound and overlays. */
export function answerPageHandlers(parts) {
    const view = parts.view;
    const pan = (lonSpeed, latSpeed) => () => view.setPan(lonSpeed, latSpeed);
    for (let n = 1; n <= HOT_SPOT_SLOTS; n += 1) {
        onPage("cHS" + n, () => parts.hotSpots.open(n - 1));
    }
    onPage("cLeft", pan(0 - PAN_SPEED, 0));
    onPage("cRight", pan(PAN_SPEED, 0));
    onPage("cUp", pan(0, PAN_SPEED));
    onPage("cDown", pan(0, 0 - PAN_SPEED));
    onPage("cStop", pan(0, 0));
    onPage("cZoomIn", () => view.zoomBy(0 - ZOOM_STEP));
    onPage("cZoomOut", () => view.zoomBy(ZOOM_STEP));
    onPage("cRestart", () => parts.playback.restart());
    onPage("cMuteON", () => parts.sound.setMuted(true));
    onPage("cMuteOFF", () => parts.sound.setMuted(false));
    onPage("cTitle", () => parts.overlays.dropTitle());
}

/*
 * Where the viewer and everything over it sit in the window: the published size
 * at the published place, or the whole window in full-screen mode and while the
 * page is full screen.
 */
import { placeBox } from "./dom.js";

const MARGIN = 8;
const ABOUT_SIZE = 40;
const MUTE_SIZE = 20;
const TITLE_WIDTH = 480;
const TITLE_HEIGHT = 100;
const BUTTON_WIDTH = 75;
const BUTTON_HEIGHT = 70;
const BUTTON_SCALE = 0.6;
const ICON_SIZE = 48;
/* The bar rides this far up the picture when the viewer fills the window. */
const FILLED_BAR_LIFT = 46;
const COMPACT_WIDTH = 550;

/* Where the statistics monitor sits in the viewer: below the About and mute icons. */
export const STATS_PLACE = { left: MARGIN, top: 4 * MARGIN + ABOUT_SIZE + MUTE_SIZE };

/* Offset of the viewer in the free space; anything unknown keeps the near edge. */
function aligned(free, align, far) {
    if (align === far) {
        return Math.max(0, free);
    }
    if (align === "center") {
        return Math.max(0, Math.floor(free / 2));
    }
    return 0;
}

export class Layout {
    /*
     * parts: container, renderer (null without WebGL) and overlays. changed() is
     * called after every layout, so the picture is drawn again.
     */
    constructor(config, parts, changed) {
        this.config = config;
        this.parts = parts;
        this.changed = changed;
        this.bar = null;
        this.buttons = [];
        this.box = { left: 0, top: 0, width: config.width, height: config.height };
        this.filled = false;
        /* Pixels at the foot of the picture under the bar and the buttons. */
        this.covered = 0;
        /* Bumped by every layout: what was placed over the picture is stale. */
        this.version = 0;
    }

    /* The control bar (null when hidden) and the pan, zoom and restart buttons go with the viewer. */
    useBar(bar, buttons) {
        this.bar = bar;
        this.buttons = buttons;
    }

    barLift() {
        return this.filled ? Math.max(this.config.barLift, FILLED_BAR_LIFT) : this.config.barLift;
    }

    /* Height the control bar takes below the viewer; posY lifts it onto the picture. */
    barSpace() {
        const bar = this.bar;
        return bar ? Math.max(0, bar.offsetHeight - this.barLift()) : 0;
    }

    /*
     * A narrow viewer keeps only play, progress and full screen. OS_CONTROL says so
     * for the published size; a viewer that follows the window decides by its width.
     */
    useCompactBar(bar) {
        const follows = this.config.fullScreen || this.filled;
        const compact = follows ? this.box.width < COMPACT_WIDTH : this.config.compact;
        const name = compact ? "compact" : "";
        if (bar.className !== name) {
            bar.className = name;
        }
    }

    placeButtons(bottom) {
        const box = this.box;
        const buttons = this.buttons;
        const scale = Math.min(BUTTON_SCALE, (box.width - 2 * MARGIN) / (buttons.length * BUTTON_WIDTH));
        const width = Math.floor(BUTTON_WIDTH * scale);
        const height = Math.floor(BUTTON_HEIGHT * scale);
        const left = box.left + Math.floor((box.width - width * buttons.length) / 2);
        buttons.forEach((button, i) => placeBox(button, left + i * width, bottom - height - 4, width, height));
        return height + 4;
    }

    placeOverlays() {
        const box = this.box;
        const overlays = this.parts.overlays;
        const titleWidth = Math.max(0, Math.min(TITLE_WIDTH, box.width - 2 * (2 * MARGIN + ABOUT_SIZE)));
        const muteLeft = box.left + MARGIN + (ABOUT_SIZE - MUTE_SIZE) / 2;
        const muteTop = box.top + 2 * MARGIN + ABOUT_SIZE;
        if (overlays.about) {
            placeBox(overlays.about, box.left + MARGIN, box.top + MARGIN, ABOUT_SIZE, ABOUT_SIZE);
        }
        if (overlays.title) {
            placeBox(overlays.title, box.left + (box.width - titleWidth) / 2, box.top + MARGIN,
                titleWidth, titleWidth * TITLE_HEIGHT / TITLE_WIDTH);
        }
        if (overlays.muteOn && overlays.muteOff) {
            placeBox(overlays.muteOn, muteLeft, muteTop, MUTE_SIZE, MUTE_SIZE);
            placeBox(overlays.muteOff, muteLeft, muteTop, MUTE_SIZE, MUTE_SIZE);
        }
        this.covered = this.bar ? Math.max(0, this.barLift()) : 0;
        if (this.buttons.length > 0) {
            this.covered += this.placeButtons(box.top + box.height - this.covered);
        }
        placeBox(overlays.note, box.left, box.top + Math.floor(box.height / 3), box.width, null);
        placeBox(overlays.cover, box.left, box.top, box.width, box.height);
        placeBox(overlays.tools, box.left, box.top + 2 * MARGIN + ICON_SIZE, box.width - MARGIN, null);
    }

    place() {
        const box = this.box;
        const bar = this.bar;
        if (bar) {
            /* Before the bar is measured. */
            this.useCompactBar(bar);
        }
        box.left = aligned(window.innerWidth - box.width, this.config.alignX, "right");
        box.top = aligned(window.innerHeight - box.height - this.barSpace(), this.config.alignY, "bottom");
        if (this.filled) {
            box.left = 0;
            box.top = 0;
        }
        placeBox(this.parts.container, box.left, box.top, box.width, box.height);
        this.version += 1;
        if (this.parts.renderer) {
            this.parts.renderer.resize(box.width, box.height);
        }
        this.changed();
        if (bar) {
            placeBox(bar, box.left, box.top + box.height - this.barLift(), box.width, null);
        }
        this.placeOverlays();
    }

    /* Takes the window's size when the viewer follows the window, else the published size. */
    followWindow() {
        if (this.config.fullScreen || this.filled) {
            this.box.width = Math.max(1, window.innerWidth);
            this.box.height = Math.max(1, window.innerHeight);
        } else {
            this.box.width = this.config.width;
            this.box.height = this.config.height;
        }
        this.place();
    }

    /* Also when the viewer keeps its size: an aligned viewer moves with the window. */
    followResizes() {
        window.addEventListener("resize", () => this.followWindow(), false);
        this.followPixelRatio();
    }

    /*
     * A window moved to a screen of another pixel density gets a drawing buffer
     * of that density. The query names one ratio, so each change asks anew.
     */
    followPixelRatio() {
        if (typeof window.matchMedia !== "function") {
            return;
        }
        const query = window.matchMedia("(resolution: " + (window.devicePixelRatio || 1) + "dppx)");
        /* Older Safari knows only addListener and removeListener. */
        const modern = typeof query.addEventListener === "function";
        const changed = () => {
            if (modern) {
                query.removeEventListener("change", changed, false);
            } else {
                query.removeListener(changed);
            }
            this.followPixelRatio();
            this.followWindow();
        };
        if (modern) {
            query.addEventListener("change", changed, false);
        } else {
            query.addListener(changed);
        }
    }

    /* The ratio of width to height of the picture. */
    aspect() {
        return this.box.width / this.box.height;
    }
}

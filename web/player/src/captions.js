/*
 * Captions: the text tracks of the movie, the CC item that picks one (Off, or
 * a track by its label) and the cue due, drawn over the picture. The browser
 * draws none itself: the chosen track is "hidden", which still brings its
 * cues, and the others are "disabled", which loads nothing. The choice is kept
 * for the visitor as a language, so it holds on every page of the site.
 */
import { make, put } from "./dom.js";
import { BarMenu } from "./menu.js";
import { TEXT } from "./messages.js";

const KEPT = "tessaly.captions";
const OFF = "off";
/* Text wraps at this share of the viewer's width, in percent. */
const WIDTH = 80;
/* The letters' size, as a share of the viewer's height (of a 16:9 part of a wide one). */
const FONT_SHARE = 0.05;
const FONT_MIN = 12;
const LINE = 1.25;
/* Where a cue's box lies on its position, as a share of its width or height. */
const ANCHOR = { "line-left": 0, start: 0, left: 0, center: 0.5, "line-right": 1, end: 1, right: 1 };
const PLACE = { left: 0, start: 0, right: 100, end: 100 };

/* Storage may be off or refused (private windows): the choice then lasts the visit. */
function kept() {
    try {
        return window.localStorage.getItem(KEPT);
    } catch (error) {
        return null;
    }
}

function keep(value) {
    try {
        window.localStorage.setItem(KEPT, value);
    } catch (error) {
        /* Kept for this visit only. */
    }
}

function primary(language) {
    return String(language).toLowerCase().split("-")[0];
}

/* The track of the first language wanted, by its whole tag or else by its primary subtag (de-AT finds de); -1 for none. */
function trackFor(tracks, wanted) {
    for (const language of wanted) {
        const lower = String(language).toLowerCase();
        let found = tracks.findIndex((track) => track.language.toLowerCase() === lower);
        if (found < 0) {
            found = tracks.findIndex((track) => primary(track.language) === primary(lower));
        }
        if (found >= 0) {
            return found;
        }
    }
    return -1;
}

/* A cue's text as nodes: its markup parsed by the browser into plain elements, never as HTML. */
function cueNodes(cue) {
    return cue.getCueAsHTML ? cue.getCueAsHTML() : document.createTextNode(String(cue.text).replace(/<[^>]*>/g, ""));
}

function number(value, otherwise) {
    return typeof value === "number" && isFinite(value) ? value : otherwise;
}

export class Captions {
    constructor(video, layout) {
        this.video = video;
        this.layout = layout;
        this.tracks = Array.prototype.slice.call(video.textTracks || []);
        this.chosen = -1;
        this.cues = [];
        /* The text shown, lines apart; empty between cues. */
        this.text = "";
        this.placed = -1;
        this.element = null;
        this.item = null;
        if (this.tracks.length === 0) {
            return;
        }
        const element = this.element = make("div", "", "");
        element.id = "captions";
        element.setAttribute("aria-live", "polite");
        document.body.appendChild(element);
        const show = () => this.show();
        for (const track of this.tracks) {
            track.addEventListener("cuechange", show, false);
        }
        /* An engine's own pick (a visitor's system preference) must not show its drawing. */
        video.textTracks.addEventListener("change", () => this.useModes(), false);
        video.addEventListener("seeked", show, false);
        const stored = kept();
        this.choose(stored === OFF ? -1 : trackFor(this.tracks, (stored ? [stored] : [])
            .concat(navigator.languages || [navigator.language || ""])), false);
    }

    /* The CC item on the control bar. */
    offer(bar) {
        if (bar && this.element) {
            this.item = new BarMenu(bar, "cc", TEXT.captions, [TEXT.off].concat(this.tracks.map((track) => track.label ||
                track.language)), (index) => this.choose(index - 1, true));
            this.item.label.textContent = TEXT.cc;
            this.item.mark(this.chosen + 1, -1);
        }
    }

    choose(index, kept) {
        this.chosen = index;
        if (kept) {
            keep(index < 0 ? OFF : this.tracks[index].language);
        }
        if (this.item) {
            this.item.mark(index + 1, -1);
        }
        this.useModes();
        this.show();
    }

    useModes() {
        this.tracks.forEach((track, index) => {
            const mode = index === this.chosen ? "hidden" : "disabled";
            if (track.mode !== mode) {
                track.mode = mode;
            }
        });
    }

    /* The cues due of the chosen track, when they changed. */
    show() {
        const track = this.tracks[this.chosen];
        const cues = track && track.activeCues ? Array.prototype.slice.call(track.activeCues) : [];
        const element = this.element;
        if (cues.length === this.cues.length && cues.every((cue, i) => cue === this.cues[i])) {
            return;
        }
        this.cues = cues;
        element.textContent = "";
        for (const cue of cues) {
            const line = make("div", "", "");
            const text = make("span", "tessaly-cue", "");
            text.appendChild(cueNodes(cue));
            line.appendChild(text);
            element.appendChild(line);
        }
        this.text = cues.map((cue, i) => element.childNodes[i].textContent).join("\n");
        this.place();
    }

    /* Every frame: a new layout moves the text with the picture. */
    update() {
        if (this.element && this.placed !== this.layout.version) {
            this.place();
        }
    }

    /*
     * At the foot of the picture over the bar and the buttons, or where the
     * first cue's settings say: its line and position in percent (a line
     * number counts lines from the top, or from the foot when negative).
     */
    place() {
        const box = this.layout.box;
        const cue = this.cues[0] || {};
        const font = Math.max(FONT_MIN, Math.round(Math.min(box.height, box.width * 9 / 16) * FONT_SHARE));
        const foot = box.top + box.height - this.layout.covered - font / 2;
        const align = cue.align || "center";
        const at = number(cue.position, PLACE[align] !== undefined ? PLACE[align] : 50);
        const anchor = ANCHOR[cue.positionAlign] !== undefined ? ANCHOR[cue.positionAlign] : ANCHOR[align];
        /* The box fits the picture on the side its anchor leaves. */
        const room = anchor === 0 ? 100 - at : anchor === 1 ? at : 2 * Math.min(at, 100 - at);
        const width = box.width * Math.min(WIDTH, number(cue.size, 100), room) / 100;
        const line = cue.line;
        let top = box.top + box.height * line / 100;
        let rise = ANCHOR[cue.lineAlign] || 0;
        if (typeof line !== "number" || cue.snapToLines !== false) {
            const lines = number(line, -1);
            top = lines < 0 ? foot + (lines + 1) * font * LINE : box.top + lines * font * LINE;
            rise = lines < 0 ? 1 : 0;
        }
        this.placed = this.layout.version;
        put(this.element, "left", Math.round(box.left + box.width * at / 100 - width * anchor) + "px");
        put(this.element, "top", Math.round(top) + "px");
        put(this.element, "width", Math.round(width) + "px");
        put(this.element, "fontSize", font + "px");
        put(this.element, "textAlign", align);
        put(this.element, "transform", "translateY(" + (-100 * rise) + "%)");
    }
}

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
/* Where a cue's box lies on its position, as a share of its width or height; times 100, where an alignment puts a cue without one. */
const ANCHOR = { "line-left": 0, start: 0, left: 0, center: 0.5, "line-right": 1, end: 1, right: 1 };

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
    return language.toLowerCase().split("-")[0];
}

/* The track of the first language wanted, by its whole tag or else by its primary subtag (de-AT finds de); -1 for none. */
function trackFor(tracks, wanted) {
    for (const language of wanted) {
        const lower = language.toLowerCase();
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

export class Captions {
    /* bar: the control bar, which gets the CC item; null when the page has none. */
    constructor(video, layout, bar) {
        const tracks = this.tracks = Array.from(video.textTracks);
        this.layout = layout;
        this.chosen = -1;
        this.cues = [];
        /* The text shown, lines apart; empty between cues. */
        this.text = "";
        this.placed = -1;
        this.element = null;
        this.item = null;
        if (tracks.length === 0) {
            return;
        }
        const element = this.element = make("div", "", "");
        element.id = "captions";
        element.setAttribute("aria-live", "polite");
        document.body.appendChild(element);
        for (const track of tracks) {
            track.addEventListener("cuechange", () => this.show(), false);
        }
        if (bar) {
            this.item = new BarMenu(bar, "cc", TEXT.captions, [TEXT.off].concat(tracks.map((track) => track.label || track.language)),
                (index) => this.choose(index - 1, true));
            this.item.label.textContent = TEXT.cc;
        }
        const stored = kept();
        this.choose(stored === OFF ? -1 : trackFor(tracks, (stored ? [stored] : []).concat(navigator.languages || [navigator.language])),
            false);
    }

    choose(index, kept) {
        this.chosen = index;
        if (kept) {
            keep(index < 0 ? OFF : this.tracks[index].language);
        }
        if (this.item) {
            this.item.mark(index + 1, -1);
        }
        /* Every track is set from the start: an engine's own pick (by a system preference) leaves those a script set. */
        this.tracks.forEach((track, i) => {
            track.mode = i === index ? "hidden" : "disabled";
        });
        this.show();
    }

    /* The cues due of the chosen track: at every change of them, and of the choice. */
    show() {
        const track = this.tracks[this.chosen];
        /* A disabled track has no cues at all. */
        const cues = Array.from(track && track.activeCues || []);
        const element = this.element;
        this.cues = cues;
        element.textContent = "";
        this.text = cues.map((cue) => {
            const text = element.appendChild(make("div", "", "")).appendChild(make("span", "tessaly-cue", ""));
            /* The cue's markup as the browser parses it into plain elements, never as HTML. */
            text.appendChild(cue.getCueAsHTML());
            return text.textContent;
        }).join("\n");
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
     * first cue's settings say: its line and position in percent.
     */
    place() {
        const box = this.layout.box;
        const cue = this.cues[0] || {};
        const font = Math.max(FONT_MIN, Math.round(Math.min(box.height, box.width * 9 / 16) * FONT_SHARE));
        const align = cue.align || "center";
        const at = typeof cue.position === "number" ? cue.position : 100 * ANCHOR[align];
        const anchor = ANCHOR[cue.positionAlign in ANCHOR ? cue.positionAlign : align];
        /* The box fits the picture on the side its anchor leaves. */
        const room = anchor === 0 ? 100 - at : anchor === 1 ? at : 2 * Math.min(at, 100 - at);
        const width = box.width * Math.min(WIDTH, cue.size >= 0 ? cue.size : 100, room) / 100;
        const percent = cue.snapToLines === false && typeof cue.line === "number";
        const top = percent ? box.top + box.height * cue.line / 100 : box.top + box.height - this.layout.covered - font / 2;
        const rise = percent ? ANCHOR[cue.lineAlign] || 0 : 1;
        this.placed = this.layout.version;
        put(this.element, "left", Math.round(box.left + box.width * at / 100 - width * anchor) + "px");
        put(this.element, "top", Math.round(top) + "px");
        put(this.element, "width", Math.round(width) + "px");
        put(this.element, "fontSize", font + "px");
        put(this.element, "textAlign", align);
        put(this.element, "transform", "translateY(" + (-100 * rise) + "%)");
    }
}

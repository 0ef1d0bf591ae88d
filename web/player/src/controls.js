/*
 * The control bar (play, progress with the hot-spot windows marked, time,
 * volume, full screen) and the row of pan, zoom and restart buttons, both shown
 * only when the page is published with its controls.
 */
import { byId, hide, make, onClick, put, setText } from "./dom.js";
import { clamp } from "./numbers.js";

const BUTTON_IDS = ["leftBT", "upBT", "stopBT", "downBT", "rightBT", "zoominBT", "zoomoutBT", "restartBT"];

function twoDigits(value) {
    return (value < 10 ? "0" : "") + value;
}

function clockText(seconds) {
    const whole = isFinite(seconds) && seconds > 0 ? Math.floor(seconds) : 0;
    return twoDigits(Math.floor(whole / 60)) + ":" + twoDigits(whole % 60);
}

/* Widths in hundredths of a percent; the text is made only when that changes. */
function setWidthShare(element, share) {
    const step = Math.round(clamp(share, 0, 1) * 10000);
    if (element && element.tessalyShare !== step) {
        element.tessalyShare = step;
        put(element, "width", (step / 100).toFixed(2) + "%");
    }
}

function percent(share) {
    return (clamp(share, 0, 1) * 100).toFixed(2) + "%";
}

function bufferedEnd(video) {
    const ranges = video.buffered;
    return ranges && ranges.length > 0 ? ranges.end(ranges.length - 1) : 0;
}

function knownDuration(video) {
    const duration = video.duration;
    return isFinite(duration) && duration > 0 ? duration : 0;
}

export class Controls {
    /* actions: togglePlay and toggleFullScreen; spots: the hot spots marked on the progress bar. */
    constructor(config, video, actions, spots) {
        const bar = byId("controls");
        this.video = video;
        this.spots = spots;
        this.element = null;
        this.buttons = [];
        this.parts = {
            play: byId("play"), total: byId("total"), current: byId("current"), buffered: byId("buffered"),
            clock: byId("play_time"), time: byId("current_time_display"), duration: byId("duration_display")
        };
        this.clock = { time: -1, duration: -1 };
        this.marks = [];
        this.marked = 0;
        this.seeking = false;
        if (!bar) {
            return;
        }
        if (!config.controlBar) {
            hide(bar);
            BUTTON_IDS.forEach((id) => hide(byId(id)));
            return;
        }
        this.element = bar;
        this.buttons = BUTTON_IDS.map(byId).filter((button) => !!button);
        onClick(this.parts.play, actions.togglePlay);
        onClick(byId("full_screen"), actions.toggleFullScreen);
        this.bindSeeking();
        video.addEventListener("play", () => this.showPlaying(), false);
        video.addEventListener("pause", () => this.showPlaying(), false);
        video.addEventListener("durationchange", () => this.markHotSpots(), false);
        for (const name of ["progress", "loadeddata", "canplaythrough", "seeked", "emptied"]) {
            video.addEventListener(name, () => this.updateBuffered(), false);
        }
        this.showPlaying();
        this.markHotSpots();
    }

    /* Every drawn frame: the time, and the progress when the movie moved. */
    update() {
        const video = this.video;
        const duration = knownDuration(video);
        const parts = this.parts;
        if (!this.element) {
            return;
        }
        if (Math.floor(video.currentTime) !== this.clock.time) {
            this.clock.time = Math.floor(video.currentTime);
            setText(parts.time, clockText(video.currentTime));
        }
        if (duration !== this.clock.duration) {
            this.clock.duration = duration;
            setText(parts.duration, clockText(duration));
            this.updateBuffered();
        }
        setWidthShare(parts.current, duration ? video.currentTime / duration : 0);
    }

    /* What is buffered changes only as the movie loads: read on its progress, not every frame. */
    updateBuffered() {
        const duration = knownDuration(this.video);
        if (this.element) {
            setWidthShare(this.parts.buffered, duration ? bufferedEnd(this.video) / duration : 0);
        }
    }

    showPlaying() {
        if (this.parts.play) {
            this.parts.play.className = this.video.paused ? "play control" : "play control pause";
        }
    }

    /* The time window of each hot spot as a mark on the progress bar. */
    markHotSpots() {
        const duration = knownDuration(this.video);
        const total = this.parts.total;
        if (!total || !duration || this.marked === duration) {
            return;
        }
        this.marked = duration;
        for (const mark of this.marks) {
            total.removeChild(mark);
        }
        this.marks = this.spots.map((spot) => {
            const mark = make("div", "hs-mark", "");
            mark.style.left = percent(spot.start / duration);
            mark.style.width = percent((spot.end - spot.start) / duration);
            total.appendChild(mark);
            return mark;
        });
    }

    seekAt(clientX) {
        const rect = this.parts.total.getBoundingClientRect();
        const duration = knownDuration(this.video);
        if (!duration || rect.width <= 0) {
            return;
        }
        this.video.currentTime = clamp((clientX - rect.left) / rect.width, 0, 1) * duration;
    }

    /* Pressing or touching the progress bar seeks there, and dragging goes on seeking; the time text does not. */
    bindSeeking() {
        const progress = byId("progress");
        const clock = this.parts.clock;
        const onTime = (target) => !!clock && clock.contains(target);
        const begin = (target, clientX, event) => {
            if (!onTime(target)) {
                this.seeking = true;
                this.seekAt(clientX);
                event.preventDefault();
            }
        };
        const end = () => {
            this.seeking = false;
        };
        if (!progress || !this.parts.total) {
            return;
        }
        progress.addEventListener("mousedown", (event) => {
            if (event.button === 0) {
                begin(event.target, event.clientX, event);
            }
        }, false);
        document.addEventListener("mousemove", (event) => {
            if (this.seeking) {
                this.seekAt(event.clientX);
            }
        }, false);
        document.addEventListener("mouseup", end, false);
        progress.addEventListener("touchstart", (event) => begin(event.target, event.touches[0].clientX, event), { passive: false });
        progress.addEventListener("touchmove", (event) => {
            if (this.seeking) {
                this.seekAt(event.touches[0].clientX);
                event.preventDefault();
            }
        }, { passive: false });
        progress.addEventListener("touchend", end, false);
    }
}

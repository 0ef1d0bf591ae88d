/*
 * Which version of the movie plays, and changing it while it plays. The page
 * measures what it downloads from how fast the buffer grows. Stalls step down
 * a version; a long buffer and a link well above the next version's bit rate
 * step up, each time later after a step down so two versions never take turns.
 * A change keeps the time, the play state and everything drawn over the
 * picture: the last picture stays until the new movie has a frame.
 */
import { now } from "./numbers.js";
import { link, pick } from "./versions.js";

const TICK_MS = 500;
/*
 * Two stalls longer than STALL_MS within STALL_SPAN_MS step down. Some engines
 * wait for a long buffer before they play on: one stall as long as
 * LONG_STALL_MS counts twice, or the picture would stand still for many seconds.
 */
const STALL_MS = 1000;
const STALL_SPAN_MS = 10000;
const LONG_STALL_MS = 4000;
/* Seconds ahead that count as a long buffer (or all that is left of the movie). */
const LONG_AHEAD = 15;
/* How far above the next version's bit rate the measured rate must be. */
const HEADROOM = 1.5;
/* A step up waits this long after a step down, twice as long after each further one. */
const FIRST_UP_WAIT_MS = 10000;
/* The link is measured over the last MEASURE_MS of loading, once it has loaded MEASURE_MIN_MS. */
const MEASURE_MS = 3000;
const MEASURE_MIN_MS = 500;
/* Nothing steps up this soon after any change: its buffer has just begun. */
const SETTLE_MS = 3000;

function aheadOf(video) {
    const ranges = video.buffered;
    const time = video.currentTime;
    for (let i = 0; i < ranges.length; i += 1) {
        if (ranges.start(i) <= time + 0.1 && ranges.end(i) >= time) {
            return ranges.end(i) - time;
        }
    }
    return 0;
}

/* Seconds of the movie the browser holds, wherever they lie. */
function heldSeconds(video) {
    const ranges = video.buffered;
    let held = 0;
    for (let i = 0; i < ranges.length; i += 1) {
        held += ranges.end(i) - ranges.start(i);
    }
    return held;
}

export class Quality {
    /*
     * usable: the versions this device plays, smallest first. hooks: start()
     * plays on, wanted() the width the view wants, changed() after every change
     * of version or of the choice.
     */
    constructor(video, usable, hooks) {
        this.video = video;
        this.usable = usable;
        this.hooks = hooks;
        this.current = null;
        this.manual = false;
        /* Until the first version can play, waiting for it is no stall. */
        this.changing = true;
        this.changedAt = now();
        this.measured = false;
        this.stalls = [];
        this.waitingSince = null;
        this.stallCounted = 0;
        this.lastTime = -1;
        this.stoodStill = false;
        this.upWait = FIRST_UP_WAIT_MS;
        this.upAfter = 0;
        this.rate = 0;
        this.samples = [];
        video.addEventListener("waiting", () => {
            if (!this.changing && this.waitingSince === null) {
                this.waitingSince = now();
                this.stallCounted = 0;
            }
        }, false);
        const flowing = () => {
            this.countStall(now());
            this.waitingSince = null;
            this.stoodStill = false;
        };
        video.addEventListener("playing", flowing, false);
        video.addEventListener("seeking", flowing, false);
        video.addEventListener("canplay", () => {
            this.changing = false;
        }, false);
        window.setInterval(() => this.tick(), TICK_MS);
    }

    /* The version the view and the link want now, or null to keep the browser's choice. */
    wanted() {
        const known = link();
        return pick(this.usable, this.hooks.wanted(), known.bits, known.saveData);
    }

    /* Plays `version` from where the movie is now, as it was: playing or paused. */
    use(version) {
        const video = this.video;
        const source = version.source;
        const first = video.getElementsByTagName("source")[0];
        /* A version that failed is gone from the page for good. */
        if (source.parentNode !== video) {
            return;
        }
        this.current = version;
        this.hooks.changed();
        if (first === source && (video.currentSrc === "" || video.currentSrc === source.src)) {
            return;
        }
        const time = video.currentTime;
        const playing = !video.paused;
        this.changing = true;
        this.changedAt = now();
        this.measured = false;
        this.samples = [];
        this.waitingSince = null;
        this.stoodStill = false;
        /* The element plays the first source it can: a failing version falls back to the others. */
        source.parentNode.insertBefore(source, first);
        /* From now on the play state is kept here, not by the attribute. */
        video.autoplay = false;
        video.load();
        if (time > 0) {
            video.currentTime = time;
        }
        if (playing) {
            this.hooks.start();
        }
    }

    /* A visitor's choice holds until Auto (null). */
    choose(version) {
        this.manual = !!version;
        if (version) {
            this.use(version);
        } else {
            this.hooks.changed();
        }
    }

    step(by) {
        const index = this.usable.indexOf(this.current) + by;
        if (index >= 0 && index < this.usable.length) {
            this.use(this.usable[index]);
        }
    }

    /*
     * Bits a second arriving: how much more of the movie the browser holds
     * than over the last few seconds of loading, up to the end of a stretch.
     * Engines report the buffer in bursts, so a shorter look would see a burst
     * as a fast link. A new version's start says nothing of the link.
     */
    measure(at) {
        const video = this.video;
        const held = heldSeconds(video);
        const samples = this.samples;
        const last = samples[samples.length - 1];
        const loading = !this.changing && video.networkState === video.NETWORK_LOADING;
        if (last && (held < last.held || this.changing)) {
            this.samples = [];
            return;
        }
        if (loading || last) {
            samples.push({ at: at, held: held });
        }
        while (samples.length > 2 && at - samples[1].at >= MEASURE_MS) {
            samples.shift();
        }
        const first = samples[0];
        /* A stretch that brought nothing measures the engine's word "loading", not the link: stalls say that. */
        if (first && at - first.at >= MEASURE_MIN_MS && held > first.held) {
            this.rate = (held - first.held) * this.current.bitrate * 1000 / (at - first.at);
            this.measured = true;
        } else if (!this.measured && !this.changing && held >= video.duration - 0.1) {
            /* The whole movie came before a stretch could be measured (or the engine never says it loads): at least this fast. */
            this.rate = held * this.current.bitrate * 1000 / (at - this.changedAt);
            this.measured = true;
        }
        if (!loading) {
            this.samples = [];
        }
    }

    /* Counts the stall under way (or just over) once past STALL_MS, once more past LONG_STALL_MS. */
    countStall(at) {
        const waited = this.waitingSince === null || this.video.paused ? 0 : at - this.waitingSince;
        const counts = waited >= LONG_STALL_MS ? 2 : waited >= STALL_MS ? 1 : 0;
        for (; this.stallCounted < counts; this.stallCounted += 1) {
            this.stalls.push(at);
        }
    }

    /*
     * Some engines let the time stand still without firing `waiting`, even with
     * seconds of movie held: while playing, that is a stall all the same, from
     * the tick before the one that saw it until the time moves again.
     */
    watchStill(at) {
        const video = this.video;
        const time = video.currentTime;
        const moved = time !== this.lastTime;
        this.lastTime = time;
        if (moved && this.stoodStill) {
            this.countStall(at);
            this.waitingSince = null;
            this.stoodStill = false;
        } else if (!moved && this.waitingSince === null && !video.paused && !video.seeking && !this.changing) {
            this.waitingSince = at - TICK_MS;
            this.stallCounted = 0;
            this.stoodStill = true;
        }
    }

    stalled(at) {
        this.watchStill(at);
        this.countStall(at);
        this.stalls = this.stalls.filter((time) => at - time < STALL_SPAN_MS);
        return this.stalls.length >= 2;
    }

    tick() {
        const at = now();
        if (!this.current) {
            return;
        }
        this.measure(at);
        if (this.stalled(at) && !this.manual && this.current !== this.usable[0]) {
            this.stalls = [];
            this.upAfter = at + this.upWait;
            this.upWait *= 2;
            this.step(-1);
            return;
        }
        const next = this.usable[this.usable.indexOf(this.current) + 1];
        const video = this.video;
        const left = video.duration - video.currentTime;
        const longAhead = aheadOf(video) >= Math.min(LONG_AHEAD, left - 0.5);
        const sharpest = pick(this.usable, this.hooks.wanted(), Infinity, link().saveData);
        if (!this.manual && next && sharpest.width >= next.width && at >= this.upAfter &&
            at - this.changedAt >= SETTLE_MS && longAhead && this.rate > HEADROOM * next.bitrate) {
            this.step(1);
        }
    }
}

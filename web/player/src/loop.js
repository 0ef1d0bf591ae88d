/*
 * The frame loop: at most OS_FPS frames a second, and a frame is drawn on the
 * canvas only when the picture can differ: the view or the size changed, or the
 * movie has a new frame. A paused movie costs next to nothing. Hot spots, the
 * control bar, the captions and the monitor follow every frame the cap lets through.
 */
import { now } from "./numbers.js";

/* Milliseconds of one frame of a 60 Hz display. */
const DISPLAY_FRAME = 17;

export class FrameLoop {
    /* parts: config, renderer, view, layout, movie, frames, headset, hotSpots, controls, captions, statistics, soundField. */
    constructor(parts) {
        this.parts = parts;
        this.interval = parts.config.fps > 0 ? 1000 / parts.config.fps : 0;
        this.dirty = true;
        this.lastDraw = -Infinity;
    }

    /* The picture is drawn again at the next frame. */
    invalidate() {
        this.dirty = true;
    }

    pictureChanged() {
        if (this.dirty || this.parts.headset.active()) {
            return true;
        }
        return this.parts.movie.ready && this.parts.frames.hasNew();
    }

    renderPage() {
        const matrix = this.parts.view.aim(this.parts.layout.aspect());
        if (this.parts.movie.ready) {
            this.parts.frames.upload();
        }
        this.parts.renderer.clearPage();
        if (this.parts.movie.ready) {
            /* The world turns only in the headset: here projection and view are the whole matrix, and the left eye is shown. */
            this.parts.renderer.drawPicture(matrix, this.parts.config.eyes[0]);
        }
    }

    draw() {
        /* A lost context draws nothing until it is restored; the picture stays due meanwhile. */
        if (!this.parts.renderer.lost && this.pictureChanged()) {
            this.dirty = false;
            if (this.parts.headset.active()) {
                this.parts.headset.render();
            } else {
                this.renderPage();
            }
            this.parts.soundField.follow(false);
        }
        this.parts.hotSpots.update();
        this.parts.controls.update();
        this.parts.captions.update();
        this.parts.statistics.tick();
    }

    /* OS_FPS caps the frames drawn per second. */
    frameDue(time) {
        if (time - this.lastDraw < this.interval * 0.9) {
            return false;
        }
        this.lastDraw = time;
        return true;
    }

    /*
     * Under a low cap most animation frames would draw nothing, yet each costs the
     * page a rendering update: a timer sleeps until about half a display frame
     * before the next frame is due.
     */
    run() {
        const request = () => window.requestAnimationFrame(step);
        const step = (time) => {
            const at = typeof time === "number" ? time : now();
            if (!this.parts.headset.active() && this.frameDue(at)) {
                this.parts.view.advancePan(at);
                this.draw();
            }
            const sleep = this.lastDraw + this.interval * 0.9 - now() - DISPLAY_FRAME / 2;
            if (sleep >= DISPLAY_FRAME / 2) {
                window.setTimeout(request, sleep);
            } else {
                request();
            }
        };
        request();
    }
}

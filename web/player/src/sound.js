/*
 * The movie's sound: mute, the six volume steps of the control bar, the mute
 * icons, and the note that asks for a tap after a muted start.
 */
import { byId, hide, isShown, show } from "./dom.js";
import { clamp } from "./numbers.js";

const VOLUME_STEPS = 6;

export class Sound {
    constructor(video, overlays, volume) {
        const list = byId("volume_display");
        this.video = video;
        this.overlays = overlays;
        this.steps = list ? Array.prototype.slice.call(list.getElementsByTagName("li"), 0, VOLUME_STEPS) : [];
        video.volume = volume;
        this.steps.forEach((step, i) => {
            step.addEventListener("click", (event) => {
                this.setVolumeStep(i + 1);
                event.stopPropagation();
            }, false);
        });
        video.addEventListener("volumechange", () => this.show(), false);
        /* The first tap, click or key after a muted start brings the sound. */
        const unmute = () => {
            if (isShown(overlays.note)) {
                this.setMuted(false);
            }
        };
        document.addEventListener("click", unmute, true);
        document.addEventListener("touchend", unmute, true);
        document.addEventListener("keydown", unmute, true);
    }

    /* Any choice about the sound answers the note. */
    setMuted(muted) {
        this.video.muted = muted;
        hide(this.overlays.note);
        this.show();
    }

    toggleMuted() {
        this.setMuted(!this.video.muted);
    }

    setVolumeStep(step) {
        this.video.volume = clamp(step / VOLUME_STEPS, 0, 1);
        this.setMuted(false);
    }

    show() {
        const video = this.video;
        const muteOn = this.overlays.muteOn;
        const muteOff = this.overlays.muteOff;
        const lit = video.muted ? 0 : Math.round(video.volume * VOLUME_STEPS);
        this.steps.forEach((step, i) => {
            step.className = i < lit ? "on" : "";
        });
        if (muteOn && muteOff) {
            if (video.muted) {
                hide(muteOn);
                show(muteOff);
            } else {
                show(muteOn);
                hide(muteOff);
            }
        }
    }
}

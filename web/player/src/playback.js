/*
 * Play, pause and restart, and the start itself: where sound keeps the movie
 * from starting it starts muted with a note; where nothing may start, the
 * poster waits under a play sign.
 */
import { show } from "./dom.js";
import { TEXT } from "./messages.js";
import { settle } from "./numbers.js";

function blocked(error) {
    return !!error && error.name === "NotAllowedError";
}

export class Playback {
    constructor(video, overlays) {
        this.video = video;
        this.overlays = overlays;
        overlays.cover.addEventListener("click", () => {
            if (overlays.coverKind === "play") {
                overlays.hideCover("play");
                video.muted = false;
                this.start();
            }
        }, false);
    }

    start() {
        const video = this.video;
        const overlays = this.overlays;
        const started = video.play();
        if (!started || typeof started.then !== "function") {
            return;
        }
        started.then(() => overlays.hideCover("play"), (error) => {
            if (!blocked(error)) {
                return;
            }
            if (video.muted) {
                overlays.showCover("play", [TEXT.play]);
                return;
            }
            video.muted = true;
            settle(video.play().then(() => show(overlays.note), (again) => {
                if (blocked(again)) {
                    video.muted = false;
                    overlays.showCover("play", [TEXT.play]);
                }
            }));
        });
    }

    toggle() {
        if (this.video.paused) {
            this.start();
        } else {
            this.video.pause();
        }
    }

    /*
     * The movie loops by starting again when it ends: WebKitGTK, looping by
     * itself, seeks back to the start and then stands still there. play() at
     * the end starts from the beginning. wanted() says whether it still should.
     */
    loopAtEnd(wanted) {
        this.video.loop = false;
        this.video.addEventListener("ended", () => {
            if (wanted()) {
                settle(this.video.play());
            }
        }, false);
    }

    restart() {
        this.video.currentTime = 0;
        this.start();
    }
}

/*
 * Whether the movie can be drawn: the sources the page offers, which one plays,
 * and why none can (a type the browser cannot play, a frame larger than the
 * device draws, a movie from a file or from another site). A movie that cannot
 * be shown stops, with the reason on the cover.
 */
import { make } from "./dom.js";
import { TEXT } from "./messages.js";

function sourceList(video) {
    return Array.prototype.slice.call(video.getElementsByTagName("source"));
}

function fileName(url) {
    let name = String(url || "").split("?")[0].split("#")[0];
    name = name.substring(name.lastIndexOf("/") + 1);
    try {
        return decodeURIComponent(name);
    } catch (error) {
        return name;
    }
}

/* A video from another origin (a file: page in most browsers) taints WebGL. */
function drawable(video) {
    const canvas = make("canvas", "", "");
    canvas.width = 1;
    canvas.height = 1;
    const context = canvas.getContext("2d");
    if (!context) {
        return true;
    }
    try {
        context.drawImage(video, 0, 0, 1, 1);
        context.getImageData(0, 0, 1, 1);
        return true;
    } catch (error) {
        return false;
    }
}

function fromFile() {
    return window.location.protocol === "file:";
}

function fromFileLines() {
    return [TEXT.fromFile, TEXT.runPreview, [TEXT.previewCommand + fileName(window.location.pathname)]];
}

export class Movie {
    /*
     * hooks: fit() shapes the picture to the movie's frame size, attached() runs
     * when the movie starts being drawn, changed() whenever that changes.
     */
    constructor(video, overlays, playback, hooks) {
        this.video = video;
        this.overlays = overlays;
        this.playback = playback;
        this.hooks = hooks;
        this.largest = Infinity;
        this.ready = false;
        this.failed = false;
        this.failures = [];
        const check = () => this.check();
        video.addEventListener("loadedmetadata", check, false);
        video.addEventListener("loadeddata", check, false);
        video.addEventListener("canplay", check, false);
        video.addEventListener("error", (event) => this.sourceFailed(event.target), true);
    }

    /* The largest frame side the device draws. */
    limitFrameSize(largest) {
        this.largest = largest;
    }

    /* A movie that cannot be shown must not go on playing unseen, with its sound. */
    stopForGood(lines) {
        this.failed = true;
        this.detach();
        this.video.pause();
        this.overlays.showCover("failed", lines);
    }

    /* The browser will not let the movie's frames be drawn. */
    refuse() {
        if (!this.failed) {
            this.stopForGood(fromFile() ? fromFileLines() : [TEXT.crossSite]);
        }
    }

    showFailure() {
        this.stopForGood(fromFile() ? fromFileLines() : [TEXT.cannotPlay].concat(this.failures));
    }

    /* A source the element tries again after a reload fails again: say it once. */
    addFailure(reason) {
        if (this.failures.indexOf(reason) < 0) {
            this.failures.push(reason);
        }
    }

    /* A source that fails while the element picks one: when it was the last, none can play. */
    sourceFailed(target) {
        const video = this.video;
        if (this.failed) {
            return;
        }
        if (target && target.tagName && target.tagName.toLowerCase() === "source") {
            this.addFailure(fileName(target.src) + TEXT.cannotDecode);
            const sources = sourceList(video);
            if (sources[sources.length - 1] === target) {
                this.showFailure();
            }
        } else if (video.error) {
            this.dropSource(fileName(video.currentSrc) + TEXT.cannotDecode);
        }
    }

    /* Gives up the source playing now and lets the element pick the next one. */
    dropSource(reason) {
        const video = this.video;
        const sources = sourceList(video);
        this.addFailure(reason);
        this.detach();
        for (const source of sources) {
            if (source.src === video.currentSrc) {
                source.parentNode.removeChild(source);
            }
        }
        const left = sourceList(video).length;
        if (left === 0 || left === sources.length) {
            this.showFailure();
            return;
        }
        video.load();
        this.playback.start();
    }

    detach() {
        this.ready = false;
        this.hooks.changed();
    }

    attach() {
        const starting = !this.ready;
        this.ready = true;
        this.hooks.changed();
        this.overlays.hideCover("failed");
        if (starting) {
            this.hooks.attached();
        }
    }

    /* The movie is drawn only once it fits the device and may be drawn at all. */
    check() {
        const video = this.video;
        if (this.ready || this.failed || video.readyState < 1) {
            return;
        }
        if (video.videoWidth > this.largest || video.videoHeight > this.largest) {
            this.dropSource(fileName(video.currentSrc) + ": " + video.videoWidth + " x " + video.videoHeight +
                TEXT.tooLarge + this.largest + TEXT.pixels);
            return;
        }
        this.hooks.fit();
        if (video.readyState < 2) {
            return;
        }
        if (!drawable(video)) {
            this.refuse();
            return;
        }
        this.attach();
    }
}

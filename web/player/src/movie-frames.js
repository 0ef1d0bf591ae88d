/*
 * Which movie frames go up into the texture: each new frame once, and a still
 * movie costs nothing. A frame is new when the engine presents it (frame
 * callbacks), when the count of decoded frames moves on (engines without
 * them), and when a seek lands: in some engines a paused seek presents its
 * frame before the element can hand it over, so a new frame waits until the
 * element has one to give.
 */

/*
 * Without frame callbacks, the count of decoded frames tells a new frame; the
 * movie time moves on between frames and would upload the same frame again.
 */
function frameStamp(video) {
    if (typeof video.getVideoPlaybackQuality === "function") {
        return video.getVideoPlaybackQuality().totalVideoFrames;
    }
    if (typeof video.webkitDecodedFrameCount === "number") {
        return video.webkitDecodedFrameCount;
    }
    return video.currentTime;
}

export class MovieFrames {
    constructor(video, renderer) {
        this.video = video;
        this.renderer = renderer;
        this.fresh = false;
        this.stamp = -1;
        this.callbacks = "requestVideoFrameCallback" in video;
        if (this.callbacks) {
            const presented = () => {
                this.fresh = true;
                video.requestVideoFrameCallback(presented);
            };
            video.requestVideoFrameCallback(presented);
        }
        /* Whether a frame went up since the element finished seeking; the seeked event may come after it. */
        this.landed = true;
        video.addEventListener("seeking", () => {
            this.landed = false;
        }, false);
        video.addEventListener("seeked", () => {
            if (!this.landed) {
                this.expect();
            }
        }, false);
    }

    /* A new frame the element can hand over now (during a seek it has none). */
    hasNew() {
        if (this.video.readyState < 2) {
            return false;
        }
        return this.callbacks ? this.fresh : frameStamp(this.video) !== this.stamp;
    }

    /* The frame on show goes up next time, whether or not a new one follows. */
    expect() {
        this.fresh = true;
        this.stamp = -1;
    }

    /* Uploads the frame on show when it is new. Only once the movie may be drawn: a tainted frame throws. */
    upload() {
        if (!this.hasNew()) {
            return;
        }
        this.fresh = false;
        this.stamp = frameStamp(this.video);
        this.landed = this.landed || !this.video.seeking;
        this.renderer.upload(this.renderer.movie, this.video);
    }
}

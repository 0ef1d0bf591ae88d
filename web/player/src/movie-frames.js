/*
 * Which movie frames go up into the texture: each new frame once, and a still
 * movie costs nothing.
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
        /* Frame callbacks say when a new frame is on show. */
        this.callbacks = "requestVideoFrameCallback" in video;
        if (this.callbacks) {
            const presented = () => {
                this.fresh = true;
                video.requestVideoFrameCallback(presented);
            };
            video.requestVideoFrameCallback(presented);
        }
    }

    hasNew() {
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
        if (!this.callbacks) {
            this.stamp = frameStamp(this.video);
        }
        if (this.video.readyState >= 2) {
            this.renderer.upload(this.renderer.movie, this.video);
        }
    }
}

/*
 * Which movie frames go up into the texture: each new frame once, and a still
 * movie costs nothing. A frame is new when the engine presents it (frame
 * callbacks), when the count of decoded frames moves on (engines without
 * them), and when a seek lands: in some engines a paused seek presents its
 * frame before the element can hand it over, so a new frame waits until the
 * element has one to give.
 */
import { now } from "./numbers.js";

/*
 * Nothing says for sure when a sought frame can be handed over. Without frame
 * callbacks the count of decoded frames moves on, and the element says it has
 * seeked, before the engine has the frame where an upload reads it (Chromium,
 * about one paused seek in 400 on a loaded machine); the old frame went up and
 * the count never moved again. WebKitGTK calls the frame callback and says it
 * has seeked before an upload reads the frame (about one paused seek in 400
 * on a loaded machine), and a paused movie calls back no more. So after a
 * seek lands every drawn frame goes up for a while: the frame came within
 * 40 ms of seeked, and a visitor should see it within 200 ms. A page too busy
 * to draw that often still uploads the next few frames it draws. Then the
 * uploads stop, and a still movie costs nothing again.
 */
const SETTLE_MS = 500;
const SETTLE_UPLOADS = 3;

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
    /* refused() runs when the browser will not let a frame go up (a movie from a file or another site). */
    constructor(video, renderer, refused) {
        this.video = video;
        this.renderer = renderer;
        this.refused = refused;
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
        this.settleUntil = -Infinity;
        this.settleUploads = 0;
        video.addEventListener("seeking", () => {
            this.landed = false;
        }, false);
        video.addEventListener("seeked", () => {
            this.settleUntil = now() + SETTLE_MS;
            this.settleUploads = SETTLE_UPLOADS;
            if (!this.landed) {
                this.expect();
            }
        }, false);
    }

    /* A frame to upload now: a new one the element can hand over (during a seek it has none), or any while a seek settles. */
    hasNew() {
        if (this.video.readyState < 2) {
            return false;
        }
        if (now() < this.settleUntil || this.settleUploads > 0) {
            return true;
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
        this.settleUploads = Math.max(0, this.settleUploads - 1);
        this.stamp = frameStamp(this.video);
        this.landed = this.landed || !this.video.seeking;
        /*
         * Whether a movie may be drawn is asked before its first frame goes up,
         * but an engine may answer before it has a frame (Chromium then draws
         * nothing and says yes): the upload is what tells for sure.
         */
        try {
            this.renderer.upload(this.renderer.movie, this.video);
        } catch (error) {
            if (!error || error.name !== "SecurityError") {
                throw error;
            }
            this.refused();
        }
    }
}

/*
 * The full-screen button and key: the browser's full-screen mode where it has
 * one, else (iPhone) the viewer fills the browser window.
 */
import { settle } from "./numbers.js";

function fullScreenElement() {
    return document.fullscreenElement || document.webkitFullscreenElement || null;
}

export class FullScreen {
    constructor(layout) {
        this.layout = layout;
        const changed = () => {
            layout.filled = !!fullScreenElement();
            layout.followWindow();
        };
        document.addEventListener("fullscreenchange", changed, false);
        document.addEventListener("webkitfullscreenchange", changed, false);
    }

    toggle() {
        const root = document.documentElement;
        const request = root.requestFullscreen || root.webkitRequestFullscreen;
        const exit = document.exitFullscreen || document.webkitExitFullscreen;
        if (fullScreenElement() && exit) {
            settle(exit.call(document));
        } else if (request && !this.layout.filled) {
            settle(request.call(root));
        } else {
            this.layout.filled = !this.layout.filled;
            window.scrollTo(0, 0);
            this.layout.followWindow();
        }
    }
}

/*
 * Whether this page needs the parts in cn4.js (later.js), and loading them
 * after the movie's first frame: a page without captions, ambisonic sound, a
 * headset or a device that reports its orientation never fetches them.
 */
import { make } from "./dom.js";

const LATER_SCRIPT = "cn4.js";

/* Where cn4.js lies: beside this script, which runs while the page loads it. */
function laterAddress() {
    const script = document.currentScript;
    const own = script && script.src ? script.src : "js/ctr/cn3.js";
    return own.slice(0, own.lastIndexOf("/") + 1) + LATER_SCRIPT;
}

/* Resolves to whether the page needs the later parts. */
function needed(video) {
    const touch = navigator.maxTouchPoints > 0 || "ontouchstart" in window;
    if (video.textTracks.length > 0 || video.querySelector("source[data-audio]") || (window.DeviceOrientationEvent && touch)) {
        return Promise.resolve(true);
    }
    const xr = navigator.xr;
    if (!xr || typeof xr.isSessionSupported !== "function") {
        return Promise.resolve(false);
    }
    return xr.isSessionSupported("immersive-vr").then((supported) => !!supported, () => false);
}

/* Once the movie has a frame and the next two animation frames have drawn it. */
function afterFirstFrame(video, then) {
    const drawn = () => window.requestAnimationFrame(() => window.requestAnimationFrame(then));
    if (video.readyState >= 2) {
        drawn();
        return;
    }
    const loaded = () => {
        video.removeEventListener("loadeddata", loaded, false);
        drawn();
    };
    video.addEventListener("loadeddata", loaded, false);
}

/* Resolves to the later parts' classes when the page needs them; stays pending on a page that does not. */
export function loadLater(video) {
    const address = laterAddress();
    return new Promise((resolve) => {
        afterFirstFrame(video, () => {
            needed(video).then((need) => {
                if (!need) {
                    return;
                }
                window.tessalyLater = resolve;
                const script = make("script", "", "");
                script.src = address;
                document.body.appendChild(script);
            });
        });
    });
}

/*
 * The visitor's hands on the picture: dragging and the wheel with the mouse,
 * one finger turning and two pinching, and the keys.
 */
import { ZOOM_STEP } from "./view.js";

/* Degrees per dragged pixel are mousespeed times this. */
const DRAG_GAIN = 5;
/* Degrees of field of view per wheel pixel. */
const WHEEL_GAIN = 0.05;
const WHEEL_LINE = 16;
/* Degrees per arrow key press; a held key repeats. */
const KEY_STEP = 5;
const KEY_CODES = {
    32: " ", 37: "ArrowLeft", 38: "ArrowUp", 39: "ArrowRight", 40: "ArrowDown",
    70: "f", 77: "m", 107: "+", 109: "-", 187: "+", 189: "-"
};
const OLD_KEY_NAMES = { Left: "ArrowLeft", Up: "ArrowUp", Right: "ArrowRight", Down: "ArrowDown", Spacebar: " " };

function wheelDegrees(event) {
    const delta = event.deltaY || 0;
    return delta * WHEEL_GAIN * (event.deltaMode === 1 ? WHEEL_LINE : 1);
}

function touchDistance(touches) {
    const dx = touches[0].clientX - touches[1].clientX;
    const dy = touches[0].clientY - touches[1].clientY;
    return Math.sqrt(dx * dx + dy * dy);
}

/* The name of the key, with the key codes of engines that have no KeyboardEvent.key. */
function keyName(event) {
    let key = event.key;
    if (typeof key === "string" && key !== "Unidentified") {
        key = OLD_KEY_NAMES[key] || key;
        return key.length === 1 ? key.toLowerCase() : key;
    }
    return KEY_CODES[event.keyCode] || "";
}

/* Keys typed into a form, and the space that presses a button, are not the viewer's. */
function typing(event) {
    const target = event.target;
    const tag = target && target.tagName ? target.tagName.toLowerCase() : "";
    return event.ctrlKey || event.altKey || event.metaKey || tag === "input" || tag === "textarea" ||
        tag === "select" || (tag === "button" && (event.key === " " || event.keyCode === 32));
}

export class Pointer {
    constructor(canvas, view, mouseSpeed) {
        this.view = view;
        this.gain = mouseSpeed * DRAG_GAIN;
        this.drag = null;
        this.pinch = null;
        const passive = { passive: false };
        canvas.addEventListener("mousedown", (event) => {
            if (event.button === 0) {
                this.startDrag(event.clientX, event.clientY);
                event.preventDefault();
            }
        }, false);
        document.addEventListener("mousemove", (event) => this.moveDrag(event.clientX, event.clientY), false);
        document.addEventListener("mouseup", () => {
            this.drag = null;
        }, false);
        canvas.addEventListener("touchstart", (event) => {
            this.touchChanged(event.touches);
            event.preventDefault();
        }, passive);
        canvas.addEventListener("touchmove", (event) => {
            this.touchMoved(event.touches);
            event.preventDefault();
        }, passive);
        canvas.addEventListener("touchend", (event) => this.touchChanged(event.touches), false);
        canvas.addEventListener("touchcancel", (event) => this.touchChanged(event.touches), false);
        canvas.addEventListener("wheel", (event) => {
            view.zoomBy(wheelDegrees(event));
            event.preventDefault();
        }, passive);
    }

    startDrag(x, y) {
        this.drag = { x: x, y: y, lon: this.view.lon, lat: this.view.lat };
    }

    moveDrag(x, y) {
        const drag = this.drag;
        if (drag) {
            /* The picture follows the pointer: dragging left turns the view right. */
            this.view.set(drag.lon + (drag.x - x) * this.gain, drag.lat + (y - drag.y) * this.gain, this.view.fov);
        }
    }

    /* One finger turns the view, two pinch the zoom; lifting one of two goes back to turning. */
    touchChanged(touches) {
        this.pinch = null;
        this.drag = null;
        if (touches.length >= 2) {
            this.pinch = { distance: Math.max(1, touchDistance(touches)), fov: this.view.fov };
        } else if (touches.length === 1) {
            this.startDrag(touches[0].clientX, touches[0].clientY);
        }
    }

    touchMoved(touches) {
        const view = this.view;
        if (this.pinch && touches.length >= 2) {
            view.set(view.lon, view.lat, this.pinch.fov * this.pinch.distance / Math.max(1, touchDistance(touches)));
        } else if (touches.length === 1) {
            this.moveDrag(touches[0].clientX, touches[0].clientY);
        }
    }
}

/* actions: togglePlay, toggleFullScreen and toggleMuted. */
export function bindKeys(view, actions) {
    const keys = {
        ArrowLeft: () => view.turnBy(-KEY_STEP, 0),
        ArrowRight: () => view.turnBy(KEY_STEP, 0),
        ArrowUp: () => view.turnBy(0, KEY_STEP),
        ArrowDown: () => view.turnBy(0, -KEY_STEP),
        "+": () => view.zoomBy(-ZOOM_STEP),
        "=": () => view.zoomBy(-ZOOM_STEP),
        "-": () => view.zoomBy(ZOOM_STEP),
        " ": actions.togglePlay,
        f: actions.toggleFullScreen,
        m: actions.toggleMuted
    };
    document.addEventListener("keydown", (event) => {
        const key = keyName(event);
        if (typing(event) || !Object.prototype.hasOwnProperty.call(keys, key)) {
            return;
        }
        keys[key]();
        event.preventDefault();
    }, false);
}

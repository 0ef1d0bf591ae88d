/*
 * Looking around by moving a phone or tablet: the device's orientation turns
 * the view once the visitor switches it on with the tool button.
 */
import { TEXT } from "./messages.js";
import { clamp, settle } from "./numbers.js";

function screenAngle() {
    const orientation = window.screen && window.screen.orientation;
    if (orientation && typeof orientation.angle === "number") {
        return orientation.angle;
    }
    return Number(window.orientation) || 0;
}

class Motion {
    constructor(view) {
        this.view = view;
        this.on = false;
        this.offset = null;
        /* Kept between events: no garbage while the device moves. */
        this.scratch = {
            euler: new THREE.Euler(),
            quaternion: new THREE.Quaternion(),
            turn: new THREE.Quaternion(),
            back: new THREE.Quaternion(0 - Math.sqrt(0.5), 0, 0, Math.sqrt(0.5)),
            zAxis: new THREE.Vector3(0, 0, 1),
            forward: new THREE.Vector3()
        };
    }

    /* The view along the back of the device: alpha, beta and gamma as the W3C frame defines them. */
    deviceView(event) {
        const rad = THREE.MathUtils.degToRad;
        const s = this.scratch;
        const forward = s.forward;
        s.euler.set(rad(event.beta || 0), rad(event.alpha || 0), rad(0 - (event.gamma || 0)), "YXZ");
        s.quaternion.setFromEuler(s.euler);
        s.quaternion.multiply(s.back);
        s.quaternion.multiply(s.turn.setFromAxisAngle(s.zAxis, rad(0 - screenAngle())));
        forward.set(0, 0, -1).applyQuaternion(s.quaternion);
        return {
            lon: THREE.MathUtils.radToDeg(Math.atan2(0 - forward.z, 0 - forward.x)),
            lat: THREE.MathUtils.radToDeg(Math.asin(clamp(forward.y, -1, 1)))
        };
    }

    oriented(event) {
        if (!this.on || event.alpha === null || event.beta === null) {
            return;
        }
        const seen = this.deviceView(event);
        if (this.offset === null) {
            /* The view stays where it was when the device takes over. */
            this.offset = this.view.lon - seen.lon;
        }
        this.view.set(seen.lon + this.offset, seen.lat, this.view.fov);
    }

    switchOver(button) {
        const ask = window.DeviceOrientationEvent.requestPermission;
        const turnOn = () => {
            this.on = true;
            this.offset = null;
            button.textContent = TEXT.motionOff;
        };
        if (this.on) {
            this.on = false;
            button.textContent = TEXT.motionOn;
            return;
        }
        if (typeof ask === "function") {
            /* Safari asks the reader first, and only from a tap. */
            settle(ask.call(window.DeviceOrientationEvent).then((answer) => {
                if (answer === "granted") {
                    turnOn();
                }
            }));
        } else {
            turnOn();
        }
    }
}

/* Only on touch devices that report their orientation. */
export function offerMotion(view, overlays) {
    const touch = navigator.maxTouchPoints > 0 || "ontouchstart" in window;
    if (!window.DeviceOrientationEvent || !touch) {
        return;
    }
    const motion = new Motion(view);
    overlays.addTool(TEXT.motionOn, (button) => motion.switchOver(button));
    window.addEventListener("deviceorientation", (event) => motion.oriented(event), false);
}

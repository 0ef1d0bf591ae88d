/*
 * Where the visitor looks: yaw lon, pitch lat and the field of view in degrees,
 * kept within what the picture's shape allows, the camera they give, and the
 * steady turn the pan buttons hold.
 */
import { MAX_FOV, MIN_FOV } from "./config.js";
import { SPHERE_RADIUS, columnOfView, directionOf } from "./geometry.js";
import { clamp, now } from "./numbers.js";

/* lookAt degenerates at the poles. */
const POLE_LIMIT = 89;
/* A long frame (a hidden tab) must not throw the view around. */
const LONGEST_STEP = 0.25;
export const ZOOM_STEP = 10;

function normalisedLon(lon) {
    return ((lon % 360) + 360) % 360;
}

export class View {
    /* changed() is called whenever the view is set, so the picture is drawn again. */
    constructor(config, changed) {
        this.config = config;
        this.changed = changed;
        this.shape = { cylinder: false, aspect: 2, reach: 90 };
        this.lon = 0;
        this.lat = 0;
        this.fov = config.fov;
        this.aspect = config.width / config.height;
        this.pan = { lon: 0, lat: 0, last: now() };
        this.camera = {
            lon: NaN, lat: NaN, fov: 0, aspect: 0, projection: new THREE.Matrix4(), view: new THREE.Matrix4(),
            both: new THREE.Matrix4(), origin: new THREE.Vector3(), up: new THREE.Vector3(0, 1, 0)
        };
        /* Bumped whenever the camera turns or zooms: what was placed by it is stale. */
        this.cameraVersion = 0;
        this.target = new THREE.Vector3();
        this.scratch = new THREE.Vector3();
        this.projected = { x: 0, y: 0 };
    }

    fovLimit() {
        if (this.shape.cylinder && this.config.mode === 0) {
            return clamp(2 * this.shape.reach, MIN_FOV, MAX_FOV);
        }
        return MAX_FOV;
    }

    /* Classic mode keeps the view on the picture: within vertmax, and within the edges of a cylinder. */
    latLimit(fov) {
        if (this.config.mode === 1) {
            return POLE_LIMIT;
        }
        let limit = Math.min(this.config.vertmax, POLE_LIMIT);
        if (this.shape.cylinder) {
            limit = Math.min(limit, Math.max(0, this.shape.reach - fov / 2));
        }
        return limit;
    }

    /* A half-sphere movie keeps its edges off the screen: the view turns until its side meets one. */
    lonLimit(fov) {
        const half = Math.atan(this.aspect * Math.tan(THREE.MathUtils.degToRad(fov) / 2));
        return 90 - THREE.MathUtils.radToDeg(half);
    }

    set(lon, lat, fov) {
        this.fov = clamp(fov, MIN_FOV, this.fovLimit());
        const limit = this.latLimit(this.fov);
        if (this.config.field === 180) {
            const side = this.lonLimit(this.fov);
            lon = clamp(normalisedLon(lon + 180) - 180, 0 - side, side);
        }
        this.lon = normalisedLon(lon);
        this.lat = clamp(lat, -limit, limit);
        this.changed();
    }

    turnBy(lonDegrees, latDegrees) {
        this.set(this.lon + lonDegrees, this.lat + latDegrees, this.fov);
    }

    zoomBy(degrees) {
        this.set(this.lon, this.lat, this.fov + degrees);
    }

    /* A new shape of the picture may narrow what the view can reach. */
    useShape(shape) {
        this.shape = shape;
        this.set(this.lon, this.lat, this.fov);
    }

    /* The pan buttons hold one direction until stop or another direction. */
    setPan(lonSpeed, latSpeed) {
        this.pan.lon = lonSpeed;
        this.pan.lat = latSpeed;
        this.pan.last = now();
    }

    advancePan(time) {
        const seconds = clamp((time - this.pan.last) / 1000, 0, LONGEST_STEP);
        this.pan.last = time;
        if (this.pan.lon !== 0 || this.pan.lat !== 0) {
            this.turnBy(this.pan.lon * seconds, this.pan.lat * seconds);
        }
    }

    /* The camera sits at the centre; the far plane lies beyond the sphere. Returns projection times view. */
    aim(aspect) {
        const camera = this.camera;
        const near = 1;
        const far = 2 * SPHERE_RADIUS;
        if (this.aspect !== aspect && this.config.field === 180) {
            /* A wider view turns less far. */
            this.aspect = aspect;
            this.set(this.lon, this.lat, this.fov);
        }
        if (camera.lon === this.lon && camera.lat === this.lat && camera.fov === this.fov && camera.aspect === aspect) {
            return camera.both;
        }
        camera.lon = this.lon;
        camera.lat = this.lat;
        this.cameraVersion += 1;
        directionOf(columnOfView(this.lon), this.lat, this.target);
        if (camera.fov !== this.fov || camera.aspect !== aspect) {
            camera.fov = this.fov;
            camera.aspect = aspect;
            const focal = 1 / Math.tan(THREE.MathUtils.degToRad(this.fov) / 2);
            camera.projection.set(focal / aspect, 0, 0, 0, 0, focal, 0, 0, 0, 0, (far + near) / (near - far),
                2 * far * near / (near - far), 0, 0, -1, 0);
        }
        /* lookAt gives the turn of the camera; its inverse, the transpose, turns the world into view. */
        camera.view.lookAt(camera.origin, this.target, camera.up).transpose();
        camera.both.multiplyMatrices(camera.projection, camera.view);
        return camera.both;
    }

    /* Where a direction lies on a canvas of this size, or null when it is behind the camera or off the canvas. */
    project(direction, width, height) {
        const point = this.scratch;
        if (this.target.dot(direction) <= 0) {
            return null;
        }
        point.copy(direction).multiplyScalar(SPHERE_RADIUS).applyMatrix4(this.camera.both);
        const x = (point.x + 1) / 2 * width;
        const y = (1 - point.y) / 2 * height;
        if (x < 0 || x > width || y < 0 || y > height) {
            return null;
        }
        this.projected.x = x;
        this.projected.y = y;
        return this.projected;
    }
}

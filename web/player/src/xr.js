/*
 * The movie in a headset (WebXR): each eye sees the movie and the shown hot
 * spots; a select opens the hot spot nearest the gaze. The page's frame loop
 * rests while the headset asks for frames.
 */
import { SPHERE_RADIUS, spriteMesh } from "./geometry.js";
import { inWindow } from "./hotspots.js";
import { TEXT } from "./messages.js";
import { settle } from "./numbers.js";

/* Radians between the gaze and a hot spot that a VR select still picks. */
const VR_PICK_ANGLE = 0.15;

function iconTexture(renderer, icon) {
    const texture = renderer.newTexture();
    const upload = () => renderer.upload(texture, icon);
    if (icon.complete && icon.naturalWidth > 0) {
        upload();
    } else {
        icon.addEventListener("load", upload, false);
    }
    return texture;
}

export class Headset {
    /*
     * parts: renderer, view, layout, hotSpots, movie, frames, overlays and the eyes' areas of the frame.
     * drawFrame() draws one frame of the viewer; in the headset it calls render().
     */
    constructor(parts, drawFrame) {
        this.parts = parts;
        this.drawFrame = drawFrame;
        this.button = null;
        this.session = null;
        /* Where the headset is and looks, from its last frame. */
        this.seen = { pose: null, gaze: null };
        /* The world turns only in the headset; an eye's projection and view give the whole matrix. */
        this.matrix = { world: new THREE.Matrix4(), projection: new THREE.Matrix4(), eye: new THREE.Matrix4(), product: new THREE.Matrix4() };
    }

    active() {
        return !!this.session;
    }

    /* Offers the Enter VR tool where a headset can be used. */
    offer() {
        const xr = navigator.xr;
        if (!xr || typeof xr.isSessionSupported !== "function") {
            return;
        }
        settle(xr.isSessionSupported("immersive-vr").then((supported) => {
            if (supported) {
                this.button = this.parts.overlays.addTool(TEXT.enterVr, () => this.toggle());
            }
        }));
    }

    toggle() {
        if (this.session) {
            settle(this.session.end());
            return;
        }
        settle(navigator.xr.requestSession("immersive-vr", { optionalFeatures: ["local-floor"] }).then((session) => {
            this.start(session);
        }));
    }

    addSprites() {
        const renderer = this.parts.renderer;
        for (const spot of this.parts.hotSpots.spots) {
            if (!spot.sprite) {
                spot.sprite = { mesh: renderer.uploadMesh(spriteMesh(spot.direction)), texture: iconTexture(renderer, spot.icon), visible: false };
            }
        }
    }

    start(session) {
        const gl = this.parts.renderer.gl;
        const compatible = typeof gl.makeXRCompatible === "function" ? gl.makeXRCompatible() : Promise.resolve();
        this.session = session;
        /* The headset starts facing the direction the page view faced. */
        this.matrix.world.makeRotationY(THREE.MathUtils.degToRad(this.parts.view.lon - 90));
        this.addSprites();
        this.button.textContent = TEXT.exitVr;
        session.addEventListener("end", () => this.stop());
        session.addEventListener("select", () => this.pick());
        settle(compatible.then(() => {
            session.updateRenderState({ baseLayer: new XRWebGLLayer(session, gl), depthNear: 1, depthFar: 2 * SPHERE_RADIUS });
            return session.requestReferenceSpace("local");
        }).then((space) => this.runFrames(session, space), () => settle(session.end())));
    }

    runFrames(session, space) {
        const step = (time, frame) => {
            if (this.session !== session) {
                return;
            }
            session.requestAnimationFrame(step);
            this.seen.pose = frame.getViewerPose(space);
            if (this.seen.pose) {
                this.drawFrame();
            }
        };
        session.requestAnimationFrame(step);
    }

    stop() {
        const renderer = this.parts.renderer;
        this.session = null;
        this.seen.pose = null;
        this.seen.gaze = null;
        renderer.gl.bindFramebuffer(renderer.gl.FRAMEBUFFER, null);
        this.matrix.world.identity();
        for (const spot of this.parts.hotSpots.spots) {
            if (spot.sprite) {
                spot.sprite.visible = false;
            }
        }
        this.button.textContent = TEXT.enterVr;
        this.parts.layout.followWindow();
    }

    /* A select in the headset opens the shown hot spot nearest the gaze. */
    pick() {
        const turn = this.seen.gaze;
        const gaze = new THREE.Vector3(0, 0, -1);
        let best = null;
        if (!turn) {
            return;
        }
        gaze.applyQuaternion(new THREE.Quaternion(turn.x, turn.y, turn.z, turn.w));
        gaze.applyMatrix4(new THREE.Matrix4().copy(this.matrix.world).transpose());
        for (const spot of this.parts.hotSpots.spots) {
            if (spot.sprite && spot.sprite.visible && spot.direction.angleTo(gaze) < VR_PICK_ANGLE) {
                best = spot;
            }
        }
        if (best) {
            this.session.end();
            this.parts.hotSpots.open(best.index);
        }
    }

    /* Each eye sees the movie and the shown hot spots, drawn into the frame buffer of the headset. */
    render() {
        const renderer = this.parts.renderer;
        const movie = this.parts.movie;
        const gl = renderer.gl;
        const layer = this.session.renderState.baseLayer;
        const time = movie.video.currentTime;
        if (movie.ready) {
            this.parts.frames.upload();
        }
        /* Checked before drawing, so a hot spot is in the very frame its window opens. */
        for (const spot of this.parts.hotSpots.spots) {
            if (spot.sprite) {
                spot.sprite.visible = inWindow(spot, time);
            }
        }
        gl.bindFramebuffer(gl.FRAMEBUFFER, layer.framebuffer);
        gl.clear(gl.COLOR_BUFFER_BIT);
        for (const view of this.seen.pose.views) {
            const port = layer.getViewport(view);
            renderer.setViewport(port.x, port.y, port.width, port.height);
            this.matrix.projection.fromArray(view.projectionMatrix);
            this.matrix.eye.fromArray(view.transform.inverse.matrix);
            this.matrix.product.multiplyMatrices(this.matrix.projection, this.matrix.eye).multiply(this.matrix.world);
            if (movie.ready) {
                renderer.drawPicture(this.matrix.product, this.parts.eyes[view.eye === "right" ? 1 : 0]);
            }
            gl.enable(gl.BLEND);
            for (const spot of this.parts.hotSpots.spots) {
                if (spot.sprite && spot.sprite.visible) {
                    renderer.drawMesh(spot.sprite.mesh, spot.sprite.texture, this.matrix.product);
                }
            }
            gl.disable(gl.BLEND);
        }
        this.seen.gaze = this.seen.pose.transform.orientation;
    }
}

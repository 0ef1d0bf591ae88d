/*
 * The movie in a headset (WebXR): each eye sees the movie and the shown hot
 * spots, and the caption due on a panel below the gaze that goes with the
 * head; a select opens the hot spot nearest the gaze. The page's frame loop
 * rests while the headset asks for frames.
 */
import { SPHERE_RADIUS, spriteMesh } from "./geometry.js";
import { inWindow } from "./hotspots.js";
import { TEXT } from "./messages.js";
import { settle } from "./numbers.js";

/* Radians between the gaze and a hot spot that a VR select still picks. */
const VR_PICK_ANGLE = 0.15;
/* The caption panel: a 4:1 picture this many pixels wide, its letters this high. */
const CAPTION_PIXELS = 1024;
const CAPTION_FONT = 40;
/* Ahead of the eyes at this distance (inside the sphere, so over the movie), its centre about 20 degrees below the gaze, about 50 degrees wide. */
const CAPTION_AHEAD = 100;
const CAPTION_BELOW = 36;
const CAPTION_WIDTH = 93;

/* The lines of the text in white, centred on the panel's dark picture; a line too long is narrowed to fit. */
function drawCaption(canvas, text) {
    const context = canvas.getContext("2d");
    const lines = text.split("\n");
    const height = CAPTION_FONT * 1.25;
    /* A new size clears the picture. */
    canvas.width = CAPTION_PIXELS;
    canvas.height = CAPTION_PIXELS / 4;
    context.fillStyle = "rgba(0,0,0,0.75)";
    context.fillRect(0, 0, canvas.width, canvas.height);
    context.font = CAPTION_FONT + "px sans-serif";
    context.textAlign = "center";
    context.textBaseline = "middle";
    context.fillStyle = "#fff";
    lines.forEach((line, i) => {
        context.fillText(line, canvas.width / 2, canvas.height / 2 + (i - (lines.length - 1) / 2) * height, canvas.width - CAPTION_FONT);
    });
}

function captionMesh() {
    const x = CAPTION_WIDTH / 2;
    const y = CAPTION_WIDTH / 8;
    const z = -CAPTION_AHEAD;
    const low = -CAPTION_BELOW;
    return { points: [-x, low + y, z, 0, 0, x, low + y, z, 1, 0, x, low - y, z, 1, 1, -x, low - y, z, 0, 1],
        indices: [0, 1, 2, 0, 2, 3], vertices: 4 };
}

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
        /*
         * The world turns only in the headset; an eye's projection and view give the whole matrix.
         * What goes with the head (the caption panel) is placed by the head's pose instead of the world.
         */
        this.matrix = { world: new THREE.Matrix4(), projection: new THREE.Matrix4(), eye: new THREE.Matrix4(), product: new THREE.Matrix4(),
            head: new THREE.Matrix4() };
        this.caption = null;
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

    /* The panel shows the text of the cues due, drawn again only when it changed; made for the first cue. */
    captionShown() {
        const renderer = this.parts.renderer;
        const text = this.parts.captions.text;
        let caption = this.caption;
        if (text && !caption) {
            caption = this.caption = { canvas: document.createElement("canvas"), mesh: renderer.uploadMesh(captionMesh()),
                texture: renderer.newTexture(), text: "" };
        }
        if (text && caption.text !== text) {
            drawCaption(caption.canvas, text);
            renderer.upload(caption.texture, caption.canvas);
        }
        if (caption) {
            caption.text = text;
        }
        return !!text;
    }

    /* The headset draws into a layer made on the context; a context that fails to suit it ends the session. */
    useLayer(session) {
        const gl = this.parts.renderer.gl;
        const compatible = typeof gl.makeXRCompatible === "function" ? gl.makeXRCompatible() : Promise.resolve();
        this.layered = compatible.then(() => {
            session.updateRenderState({ baseLayer: new XRWebGLLayer(session, gl), depthNear: 1, depthFar: 2 * SPHERE_RADIUS });
        });
        this.layered.then(null, () => settle(session.end()));
    }

    start(session) {
        this.session = session;
        /* The headset starts facing the direction the page view faced. */
        this.matrix.world.makeRotationY(THREE.MathUtils.degToRad(this.parts.view.lon - 90));
        this.addSprites();
        this.button.textContent = TEXT.exitVr;
        session.addEventListener("end", () => this.stop());
        session.addEventListener("select", () => this.pick());
        /* A restored context needs a layer of its own. */
        this.parts.renderer.keep(session, () => this.useLayer(session));
        settle(this.layered.then(() => session.requestReferenceSpace("local")).then((space) => this.runFrames(session, space),
            () => settle(session.end())));
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
        renderer.forget(this.session);
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
        const captioned = this.captionShown();
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
        this.matrix.head.fromArray(this.seen.pose.transform.matrix);
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
            if (captioned) {
                this.matrix.product.multiplyMatrices(this.matrix.projection, this.matrix.eye).multiply(this.matrix.head);
                renderer.drawMesh(this.caption.mesh, this.caption.texture, this.matrix.product);
            }
            gl.disable(gl.BLEND);
        }
        this.seen.gaze = this.seen.pose.transform.orientation;
    }
}

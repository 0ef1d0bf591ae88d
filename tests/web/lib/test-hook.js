/*
 * The viewer as the browser tests load it (built into their trees in place of
 * the published viewer): the same viewer, and window.__tessaly to look into it.
 *
 *   state()       the view, the layout, the movie and frame counts: frames the
 *                 cap let through (hot spots and bar checked), renders those
 *                 drawn on the canvas; the version playing and the rate measured
 *   sample(x, y)  draws now and reads the canvas pixel at (x, y) in CSS pixels
 *                 from its top left
 *   afterDraw(f)  calls f after every frame the cap lets through
 *   watch(x, y)   from now on reads the pixel at (x, y) of every picture drawn
 *   shown()       { pixel, time } of the last picture drawn since watch, time
 *                 the movie time when it was drawn; null before one is drawn
 *
 *   ears()        [left, right]: dB of full scale of the page's sound after the
 *                 ambisonic decoder, over the last EAR_WINDOW samples; null
 *                 until the decoder is made and all of them came after hear()
 *   hear(lon)     turns the view to yaw lon, when given; ears() hears from now
 *
 * A page that sets window.__tessalyMaxTextureSize before its scripts run stands
 * in for a device that draws no larger frames.
 */
import { startViewer } from "../../../web/player/src/viewer.js";

function capTextureSize(largest) {
    for (const context of [window.WebGLRenderingContext, window.WebGL2RenderingContext]) {
        if (context) {
            const original = context.prototype.getParameter;
            context.prototype.getParameter = function (name) {
                return name === this.MAX_TEXTURE_SIZE ? largest : original.call(this, name);
            };
        }
    }
}

/* Calls after(result) after every call of object[name]. */
function follow(object, name, after) {
    const original = object[name];
    object[name] = function () {
        const result = original.apply(this, arguments);
        after(result);
        return result;
    };
}

/* The pixel at (x, y) in CSS pixels from the canvas's top left, of the picture drawn last. */
function readPixel(viewer, x, y) {
    const gl = viewer.renderer.gl;
    const ratio = viewer.renderer.ratio;
    const pixel = new Uint8Array(4);
    gl.readPixels(Math.floor(x * ratio), Math.floor((viewer.layout.box.height - y) * ratio) - 1, 1, 1,
        gl.RGBA, gl.UNSIGNED_BYTE, pixel);
    return Array.from(pixel);
}

const EAR_WINDOW = 8192;

function earLevels(field, taps) {
    const context = field.context;
    if (!field.graph) {
        return null;
    }
    if (!taps.ears) {
        const split = context.createChannelSplitter(2);
        field.graph.master.connect(split);
        taps.ears = [0, 1].map((ear) => Object.assign(context.createAnalyser(), { fftSize: EAR_WINDOW }));
        taps.ears.forEach((analyser, ear) => split.connect(analyser, ear));
        taps.from = context.currentTime;
    }
    const data = new Float32Array(EAR_WINDOW);
    return context.currentTime < taps.from + EAR_WINDOW / context.sampleRate ? null : taps.ears.map((analyser) => {
        analyser.getFloatTimeDomainData(data);
        return 10 * Math.log10(data.reduce((sum, v) => sum + v * v, 0) / EAR_WINDOW + 1e-20);
    });
}

function expose(viewer) {
    const taps = { from: 0 };
    const counts = { frames: 0, renders: 0 };
    const listeners = [];
    const watched = { at: null, shown: null };
    const loop = viewer.loop;
    const view = viewer.view;
    const layout = viewer.layout;
    const movie = viewer.movie;
    const video = viewer.video;
    follow(loop, "renderPage", () => {
        counts.renders += 1;
        if (watched.at) {
            watched.shown = { pixel: readPixel(viewer, watched.at[0], watched.at[1]), time: video.currentTime };
        }
    });
    follow(viewer.headset, "render", () => {
        counts.renders += 1;
    });
    follow(loop, "draw", () => {
        counts.frames += 1;
        listeners.forEach((listener) => listener());
    });
    window.__tessaly = {
        state: () => ({
            lon: view.lon, lat: view.lat, fov: view.fov, frames: counts.frames, renders: counts.renders,
            left: layout.box.left, top: layout.box.top, width: layout.box.width, height: layout.box.height,
            time: video.currentTime, paused: video.paused, muted: video.muted, volume: video.volume,
            readyState: video.readyState, ready: movie.ready, cylinder: view.shape.cylinder, reach: view.shape.reach,
            filled: layout.filled, maxTextureSize: movie.largest,
            quality: viewer.quality ? {
                width: viewer.quality.current && viewer.quality.current.width, rate: viewer.quality.rate,
                manual: viewer.quality.manual, upAfter: viewer.quality.upAfter
            } : null
        }),
        sample: (x, y) => {
            loop.invalidate();
            loop.draw();
            return readPixel(viewer, x, y);
        },
        afterDraw: (listener) => listeners.push(listener),
        watch: (x, y) => {
            watched.at = [x, y];
            watched.shown = null;
        },
        shown: () => watched.shown,
        ears: () => earLevels(viewer.soundField, taps),
        hear: (lon) => {
            if (lon !== undefined) {
                view.set(lon, 0, view.fov);
            }
            /* A turn is heard from the next frame on, within a few milliseconds. */
            taps.from = viewer.soundField.context.currentTime + 0.1;
        }
    };
}

if (typeof window.__tessalyMaxTextureSize === "number" && window.__tessalyMaxTextureSize > 0) {
    capTextureSize(window.__tessalyMaxTextureSize);
}
const viewer = startViewer();
if (viewer) {
    expose(viewer);
}

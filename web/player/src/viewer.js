/*
 * The 360-degree video viewer of a published page. It reads the settings of
 * the configuration script once and draws the movie on the inside of a sphere
 * (or of a cylinder for a movie wider than 2:1) with a few lines of WebGL;
 * three.js (the global THREE) is only used for its vector and matrix arithmetic.
 * The parts below each keep their own state; this is where they meet.
 */
import { Captions } from "./captions.js";
import { readConfig } from "./config.js";
import { Controls } from "./controls.js";
import { byId } from "./dom.js";
import { FullScreen } from "./fullscreen.js";
import { pictureMesh, shapeOf } from "./geometry.js";
import { HotSpots } from "./hotspots.js";
import { Pointer, bindKeys } from "./input.js";
import { Layout } from "./layout.js";
import { FrameLoop } from "./loop.js";
import { TEXT } from "./messages.js";
import { offerMotion } from "./motion.js";
import { Movie } from "./movie.js";
import { MovieFrames } from "./movie-frames.js";
import { Overlays } from "./overlays.js";
import { answerPageHandlers } from "./page-handlers.js";
import { Playback } from "./playback.js";
import { Quality } from "./quality.js";
import { QualityItem } from "./quality-item.js";
import { createRenderer } from "./renderer.js";
import { Sound } from "./sound.js";
import { SoundField } from "./sound-field.js";
import { Statistics } from "./statistics.js";
import { View } from "./view.js";
import { playableVersions, readVersions, smoothVersions, wantedWidth } from "./versions.js";
import { Headset } from "./xr.js";

/* The words for a renderer's failure (createRenderer). */
function refusalLines(failure) {
    if (failure.step === "webgl") {
        return [TEXT.noWebGl];
    }
    const what = { vertex: TEXT.vertexShader, fragment: TEXT.fragmentShader, link: TEXT.linking }[failure.step];
    return [TEXT.cannotPrepare + what + "."].concat(failure.log ? [TEXT.driverSaid + failure.log] : []);
}

/* Without WebGL, or with shaders the driver refuses, nothing can be drawn: the poster says why, and the movie stays silent. */
function cannotDraw(config, container, video, failure) {
    const overlays = new Overlays();
    const layout = new Layout(config, { container: container, renderer: null, overlays: overlays }, () => null);
    layout.followWindow();
    layout.followResizes();
    video.pause();
    overlays.showCover("failed", refusalLines(failure));
}

/* The picture takes the shape of one eye's picture, stretched to the whole turn, when that changes. */
function fitPicture(config, video, renderer, view) {
    const shape = shapeOf(video.videoWidth * config.turnShare, video.videoHeight * config.eyes[0][1]);
    const old = view.shape;
    if (shape.cylinder !== old.cylinder || (shape.cylinder && shape.aspect !== old.aspect)) {
        renderer.usePictureMesh(pictureMesh(config, shape));
        view.useShape(shape);
    }
}

/*
 * A page that describes its versions plays the one that suits this visitor,
 * follows the link while playing, and offers the choice in the control bar.
 * The choice is made at once, before the browser's own first pick can show a
 * frame (loading another source drops everything the first had queued); the
 * browser's word on smooth decoding may change it a moment later.
 */
function chooseVersions(viewer, controls) {
    const video = viewer.video;
    const layout = viewer.layout;
    const playable = playableVersions(video, readVersions(video), viewer.renderer.maxTextureSize());
    let item = null;
    if (playable.length === 0) {
        return;
    }
    const quality = viewer.quality = new Quality(video, playable, {
        start: () => viewer.playback.start(),
        wanted: () => wantedWidth(layout.box.width, layout.aspect(), viewer.view.fov) / viewer.config.turnShare,
        changed: () => item && item.update()
    });
    quality.use(quality.wanted());
    smoothVersions(playable).then((smooth) => {
        quality.usable = smooth;
        if (!viewer.movie.failed) {
            quality.use(quality.wanted());
        }
        if (controls.element && smooth.length > 1) {
            item = new QualityItem(controls.element, quality);
        }
    });
}

/* Starts the viewer on the page; returns its parts, or null when it cannot draw. */
export function startViewer() {
    const config = readConfig();
    const video = byId("video");
    const container = byId("container");
    if (!video || !container || typeof THREE === "undefined") {
        return null;
    }
    const made = createRenderer(config.clearColour);
    if (!made.renderer) {
        cannotDraw(config, container, video, made.failure);
        return null;
    }
    const renderer = made.renderer;
    const viewer = { config: config, video: video, renderer: renderer };
    /* Until the loop runs, its first frame draws anyway. */
    const repaint = () => {
        if (viewer.loop) {
            viewer.loop.invalidate();
        }
    };
    const view = viewer.view = new View(config, repaint);
    renderer.usePictureMesh(pictureMesh(config, view.shape));
    const frames = viewer.frames = new MovieFrames(video, renderer, () => viewer.movie.refuse());
    renderer.restored = () => {
        frames.expect();
        repaint();
    };
    container.appendChild(renderer.canvas);
    view.set(config.lon, config.lat, config.fov);
    const overlays = viewer.overlays = new Overlays();
    const playback = viewer.playback = new Playback(video, overlays);
    const layout = viewer.layout = new Layout(config, { container: container, renderer: renderer, overlays: overlays }, repaint);
    const fullScreen = new FullScreen(layout);
    const sound = new Sound(video, overlays, config.volume);
    const hotSpots = viewer.hotSpots = new HotSpots(config.hotSpots, { video: video, view: view, layout: layout, tip: overlays.tip },
        () => viewer.movie.ready);
    const controls = new Controls(config, video, {
        togglePlay: () => playback.toggle(),
        toggleFullScreen: () => fullScreen.toggle()
    }, hotSpots.spots);
    layout.useBar(controls.element, controls.buttons);
    const captions = viewer.captions = new Captions(video, layout, controls.element);
    const statistics = new Statistics(config.stats, container);
    const movie = viewer.movie = new Movie(video, overlays, playback, {
        fit: () => fitPicture(config, video, renderer, view),
        attached: () => {
            frames.expect();
            hotSpots.check(viewer.headset.active());
        },
        changed: repaint
    });
    movie.limitFrameSize(renderer.maxTextureSize());
    const headset = viewer.headset = new Headset({
        renderer: renderer, view: view, layout: layout, hotSpots: hotSpots, movie: movie, frames: frames, overlays: overlays,
        captions: captions, eyes: config.eyes
    }, () => viewer.loop.draw());
    const soundField = viewer.soundField = new SoundField(video, view, headset);
    viewer.loop = new FrameLoop({
        config: config, renderer: renderer, view: view, layout: layout, movie: movie, frames: frames,
        headset: headset, hotSpots: hotSpots, controls: controls, captions: captions, statistics: statistics,
        soundField: soundField
    });
    layout.followWindow();
    layout.followResizes();
    new Pointer(renderer.canvas, view, config.mouseSpeed);
    bindKeys(view, {
        togglePlay: () => playback.toggle(),
        toggleFullScreen: () => fullScreen.toggle(),
        toggleMuted: () => sound.toggleMuted()
    });
    answerPageHandlers({ view: view, hotSpots: hotSpots, playback: playback, sound: sound, overlays: overlays });
    /* A seek and a loop may cross the window of a hot spot between two drawn frames. */
    video.addEventListener("seeked", () => hotSpots.check(headset.active()), false);
    offerMotion(view, overlays);
    headset.offer();
    playback.loopAtEnd(() => !movie.failed);
    video.setAttribute("playsinline", "");
    video.setAttribute("webkit-playsinline", "");
    sound.show();
    playback.start();
    chooseVersions(viewer, controls);
    movie.check();
    viewer.loop.run();
    return viewer;
}

/*
 * First-order ambisonic sound (AmbiX: channels W, Y, Z, X; SN3D), marked on a
 * source by data-audio="ambix", or "ambix+stereo" when a head-locked stereo
 * pair follows as channels 5 and 6. The movie's sound goes through Web Audio:
 * the field is turned against the way the visitor looks and decoded to two
 * ears through six virtual loudspeakers (an octahedron), each an HRTF panner
 * at its fixed direction; the stereo pair is mixed in unturned.
 *
 * Directions here are AmbiX's: x ahead, y to the left, z up. The page's yaw
 * grows to the right, so a view at yaw lon, pitch lat looks towards azimuth
 * -lon (azimuth grows to the left), elevation lat.
 *
 * Nothing is made for a movie without such sound. The graph is made once the
 * page may make sound: on the visitor's first gesture, or when the movie plays
 * unmuted (the browser then lets an audio context run as well). Before that,
 * and in a browser without Web Audio, the element plays its channels as the
 * browser mixes them: a muted start has nothing to hear, and without Web Audio
 * no page can pick channels of a movie.
 */

const CHANNELS = { "ambix": 4, "ambix+stereo": 6 };
/* Decoding weights of W and of the first order (max-rE, 1/sqrt(3)), scaled so a source keeps its level. */
const W_WEIGHT = 1 / (2 * Math.sqrt(3));
const ORDER_WEIGHT = 0.5;
/* Seconds a gain takes to follow a turn: no clicks as the view moves. */
const GLIDE = 0.015;
const GESTURES = ["click", "touchend", "keydown"];
/*
 * The standard has the element's volume and mute apply before its source node,
 * and Chromium does so; WebKit passes the sound on at full level, so there the
 * graph applies them itself.
 */
const WEBKIT_SOURCE = navigator.vendor === "Apple Computer, Inc.";

/* The data-audio of the source the element plays (the first one before it has chosen), or null. */
export function soundKind(video) {
    const sources = Array.prototype.slice.call(video.getElementsByTagName("source"));
    const current = sources.find((source) => source.src === video.currentSrc) || sources[0];
    const kind = current ? current.getAttribute("data-audio") : null;
    return kind in CHANNELS ? kind : null;
}

/* AmbiX to Web Audio's listener space: x right, y up, -z ahead. */
function place(panner, x, y, z) {
    if (panner.positionX) {
        panner.positionX.value = -y;
        panner.positionY.value = z;
        panner.positionZ.value = -x;
    } else {
        panner.setPosition(-y, z, -x);
    }
}

export class SoundField {
    /* headset: where the head looks while the movie is seen in one (xr.js). */
    constructor(video, view, headset) {
        this.video = video;
        this.view = view;
        this.headset = headset;
        this.context = null;
        this.graph = null;
        /* Rows: the head's ahead, left and up in the field's directions. */
        this.turn = [1, 0, 0, 0, 1, 0, 0, 0, 1];
        this.faced = { lon: NaN, lat: NaN };
        this.turned = false;
        const audio = window.AudioContext || window.webkitAudioContext;
        if (!audio) {
            return;
        }
        const wake = () => this.wake(true);
        GESTURES.forEach((name) => document.addEventListener(name, wake, true));
        for (const name of ["playing", "volumechange", "loadedmetadata"]) {
            video.addEventListener(name, () => this.wake(false), false);
        }
        this.Audio = audio;
        if (WEBKIT_SOURCE) {
            video.addEventListener("volumechange", () => this.level(), false);
        }
    }

    /* Makes or resumes the graph when the movie playing now has ambisonic sound and the page may make sound. */
    wake(gesture) {
        const video = this.video;
        const kind = soundKind(video);
        if (this.graph) {
            this.route(kind);
        }
        if (!kind || (!gesture && (video.paused || video.muted))) {
            return;
        }
        if (!this.context) {
            /* Some engines start a context a moment after it is made, when they may. */
            this.context = new this.Audio();
            this.context.addEventListener("statechange", () => this.build(), false);
        }
        if (gesture && this.context.state !== "running") {
            this.context.resume().then(() => this.build(), () => null);
        }
        this.build();
    }

    /* Until its context runs, the element keeps playing by itself: bound to a stopped context it would be silent. */
    build() {
        if (this.graph || this.context.state !== "running") {
            return;
        }
        const context = this.context;
        const source = context.createMediaElementSource(this.video);
        const split = context.createChannelSplitter(6);
        const master = context.createGain();
        const omni = context.createGain();
        const locked = context.createChannelMerger(2);
        /* The splitter takes its input's channels as they are: four leave the pair's outputs silent. */
        omni.gain.value = W_WEIGHT;
        split.connect(omni, 0);
        /* X, Y, Z of the turned field: each the sum of the movie's X, Y, Z weighted by a row of the turn. */
        const rows = [0, 1, 2].map(() => context.createGain());
        const gains = [];
        rows.forEach((row, i) => {
            /* The movie's channels 4, 2, 3 carry X, Y, Z. */
            [3, 1, 2].forEach((channel) => {
                const gain = context.createGain();
                split.connect(gain, channel);
                gain.connect(row);
                gains.push(gain);
            });
            const opposite = context.createGain();
            opposite.gain.value = -1;
            row.connect(opposite);
            [row, opposite].forEach((side, s) => {
                const panner = context.createPanner();
                const at = [0, 0, 0];
                at[i] = s === 0 ? 1 : -1;
                panner.panningModel = "HRTF";
                panner.channelCount = 1;
                panner.channelCountMode = "explicit";
                place(panner, at[0], at[1], at[2]);
                side.connect(panner);
                omni.connect(panner);
                panner.connect(master);
            });
        });
        split.connect(locked, 4, 0);
        split.connect(locked, 5, 1);
        locked.connect(master);
        master.connect(context.destination);
        this.graph = { source: source, split: split, master: master, gains: gains, kind: null };
        this.follow(true);
        this.level();
        this.route(soundKind(this.video));
    }

    level() {
        if (this.graph && WEBKIT_SOURCE) {
            this.graph.master.gain.value = this.video.muted ? 0 : this.video.volume;
        }
    }

    /*
     * A version without ambisonic sound plays straight through: the element
     * stays bound to the context once it has a source node.
     */
    route(kind) {
        const graph = this.graph;
        if (graph.kind === kind) {
            return;
        }
        graph.source.disconnect();
        graph.source.connect(kind ? graph.split : graph.master);
        graph.kind = kind;
    }

    /* Turns the field with the page's view (yaw lon to the right, pitch lat up, in degrees). */
    faceView(lon, lat) {
        if (lon === this.faced.lon && lat === this.faced.lat) {
            return;
        }
        this.faced.lon = lon;
        this.faced.lat = lat;
        const yaw = lon * Math.PI / 180;
        const pitch = lat * Math.PI / 180;
        const cy = Math.cos(yaw);
        const sy = Math.sin(yaw);
        const cp = Math.cos(pitch);
        const sp = Math.sin(pitch);
        this.turn = [cp * cy, 0 - cp * sy, sp, sy, cy, 0, 0 - sp * cy, sp * sy, cp];
        this.turned = true;
    }

    /* Follows the view, or in the headset the way the head looks; at once when the graph is new. */
    follow(now) {
        if (!this.graph) {
            return;
        }
        const headset = this.headset;
        const gaze = headset.active() ? headset.seen.gaze : null;
        if (now) {
            this.faced.lon = NaN;
        }
        if (gaze) {
            this.faceHeadset(gaze, headset.matrix.world);
        } else {
            this.faceView(this.view.lon, this.view.lat);
        }
        this.applyTurn(now === true);
    }

    /*
     * The head's orientation in the headset's space; world turns the page's
     * world into that space. The page's world has the frame's centre at -x,
     * its left (a quarter turn before the centre) at +z, and up at +y.
     */
    faceHeadset(orientation, world) {
        const axes = this.axes || (this.axes = {
            turn: new THREE.Quaternion(), back: new THREE.Matrix4(), vector: new THREE.Vector3()
        });
        const turn = axes.turn.set(orientation.x, orientation.y, orientation.z, orientation.w);
        const back = axes.back.copy(world).transpose();
        const rows = [];
        for (const head of [[0, 0, -1], [-1, 0, 0], [0, 1, 0]]) {
            const v = axes.vector.set(head[0], head[1], head[2]).applyQuaternion(turn).applyMatrix4(back);
            rows.push(0 - v.x, v.z, v.y);
        }
        this.faced.lon = NaN;
        this.turn = rows;
        this.turned = true;
    }

    applyTurn(now) {
        const graph = this.graph;
        if (!this.turned) {
            return;
        }
        this.turned = false;
        const time = this.context.currentTime;
        graph.gains.forEach((gain, i) => {
            const value = ORDER_WEIGHT * this.turn[i];
            if (now) {
                gain.gain.value = value;
            } else {
                gain.gain.setTargetAtTime(value, time, GLIDE);
            }
        });
    }
}

/*
 * The 360-degree video viewer. It reads the globals of the configuration script once,
 * keeps everything it knows in one state object and draws the movie on the
 * inside of a sphere (or of a cylinder for a movie wider than 2:1) with a few lines
 * of WebGL: one vertex buffer, one shader program, one texture the movie frames go
 * into. three.js is only used for its vector and matrix arithmetic.
 * Handlers of the page reach it through the tessaly: document events that cn1.js sends.
 *
 * Directions: a column u of the equirectangular frame (0 = left edge, 1 = right
 * edge) lies at the world angle 2 pi u in the x-z plane, which is where the
 * inside-out sphere puts it. The view yaw lon faces u = 0.5 + lon / 360, so
 * lon 0 faces the centre column of the frame and turning right raises lon.
 */
(function () {
    "use strict";

    var MIN_FOV = 40;
    var MAX_FOV = 130;
    /* lookAt degenerates at the poles. */
    var POLE_LIMIT = 89;
    var SPHERE_RADIUS = 500;
    var ICON_COUNT = 10;
    var ICON_SIZE = 48;
    var MARGIN = 8;
    /* Degrees per dragged pixel are mousespeed times this. */
    var DRAG_GAIN = 5;
    /* Degrees of field of view per wheel pixel. */
    var WHEEL_GAIN = 0.05;
    var WHEEL_LINE = 16;
    var ZOOM_STEP = 10;
    /* Degrees a second while a pan button holds. */
    var PAN_SPEED = 30;
    /* Degrees per arrow key press; a held key repeats. */
    var KEY_STEP = 5;
    /* A long frame (a hidden tab) must not throw the view around. */
    var LONGEST_STEP = 0.25;
    /* Frames a little wider than 2:1 are still spherical. */
    var CYLINDER_ASPECT = 2.05;
    /* The bar rides this far up the picture when the viewer fills the window. */
    var FILLED_BAR_LIFT = 46;
    var COMPACT_WIDTH = 550;
    var BUTTON_IDS = ["leftBT", "upBT", "stopBT", "downBT", "rightBT", "zoominBT", "zoomoutBT", "restartBT"];
    var BUTTON_WIDTH = 75;
    var BUTTON_HEIGHT = 70;
    var BUTTON_SCALE = 0.6;
    var ABOUT_SIZE = 40;
    var MUTE_SIZE = 20;
    var TITLE_WIDTH = 480;
    var TITLE_HEIGHT = 100;
    var VOLUME_STEPS = 6;
    var SPRITE_SIZE = 36;
    /* Radians between the gaze and a hot spot that a VR select still picks. */
    var VR_PICK_ANGLE = 0.15;
    /* Milliseconds of one frame of a 60 Hz display. */
    var DISPLAY_FRAME = 17;

    /* What the page says, in one place. */
    var TEXT = {
        tapForSound: "tap for sound",
        play: "Play",
        enterVr: "Enter VR",
        exitVr: "Exit VR",
        motionOn: "Look by moving the device",
        motionOff: "Stop moving with the device",
        cannotPlay: "This movie cannot be played here.",
        cannotDecode: " cannot be played by this browser.",
        tooLarge: " pixels. This device draws at most ",
        pixels: " pixels.",
        fromFile: "This page was opened from a file and this browser does not show a movie from a file in the 360 degree view.",
        runPreview: "To view it on this computer run:",
        previewCommand: "tessaly preview ",
        crossSite: "The movie comes from another site that does not allow it to be shown in the 360 degree view.",
        noWebGl: "This browser cannot draw 3D graphics: WebGL is off or missing. The 360 degree movie cannot be shown without it."
    };

    /* ---- configuration ---- */

    function clamp(value, low, high) {
        return Math.min(high, Math.max(low, value));
    }

    function globalValue(name) {
        return window[name];
    }

    function numberSetting(name, fallback) {
        var raw = globalValue(name);
        var value;
        if (raw === undefined || raw === null || raw === "") {
            return fallback;
        }
        value = Number(raw);
        return isFinite(value) ? value : fallback;
    }

    function textSetting(name, fallback) {
        var raw = globalValue(name);
        if (raw === undefined || raw === null) {
            return fallback;
        }
        return String(raw).trim().toLowerCase();
    }

    function colourSetting(name, fallback) {
        var raw = globalValue(name);
        var valid = new RegExp("^#[0-9A-Fa-f]{6}$");
        return typeof raw === "string" && valid.test(raw) ? raw : fallback;
    }

    function tableValue(name, index) {
        var table = globalValue(name);
        return table && typeof table === "object" ? table[index] : undefined;
    }

    /* The equirectangular column of the yaw stored for a hot spot. */
    function columnOfYaw(storedYaw) {
        var turns = storedYaw / 360;
        return turns - Math.floor(turns);
    }

    function readHotSpot(index) {
        var pos = Number(tableValue("HotSpotItem_pos", index));
        var time = Number(tableValue("HotSpotItem_time", index));
        var yaw = Number(tableValue("HotSpotItem_yaw", index));
        var title = tableValue("HotSpotItem_title", index);
        var link = tableValue("HotSpotItem_link", index);
        var self = tableValue("HotSpotItem_self", index);
        if (!(pos > 0)) {
            return null;
        }
        return {
            index: index,
            start: pos,
            end: pos + (time > 0 ? time : 0),
            column: columnOfYaw(isFinite(yaw) ? yaw : 0),
            title: title === undefined || title === null ? "" : String(title),
            link: link === undefined || link === null ? "" : String(link),
            self: self === true || self === "true" || self === 1
        };
    }

    /*
     * Every slot is looked at, whatever OS_HOTSPOTS says: slots keep their own
     * index, so a used slot may lie beyond the count of used slots.
     */
    function readHotSpots() {
        var spots = [];
        var index;
        var spot;
        for (index = 0; index < ICON_COUNT; index += 1) {
            spot = readHotSpot(index);
            if (spot) {
                spots.push(spot);
            }
        }
        return spots;
    }

    function readConfig() {
        var mode = numberSetting("OS_MODE", 0) === 1 ? 1 : 0;
        var segments = function (name) {
            return Math.round(clamp(numberSetting(name, 128), 8, 512));
        };
        return {
            fov: clamp(numberSetting("fov", 120), MIN_FOV, MAX_FOV),
            fps: Math.max(0, numberSetting("OS_FPS", 0)),
            segmentsWidth: segments("nSegmentsWidth"),
            segmentsHeight: segments("nSegmentsHeight"),
            vertmax: clamp(numberSetting("vertmax", 90), 0, 90),
            lon: numberSetting("lon", 0),
            lat: numberSetting("lat", 0),
            width: Math.max(1, Math.round(numberSetting("RENDER_X", 550))),
            height: Math.max(1, Math.round(numberSetting("RENDER_Y", 400))),
            volume: clamp(numberSetting("OS_VOLUME", 1), 0, 1),
            stats: numberSetting("OS_STAT", 0) === 1,
            mode: mode,
            clearColour: mode === 1 ? colourSetting("OS_COLOR", "#000000") : "#000000",
            mouseSpeed: Math.max(0, numberSetting("mousespeed", 0.02)),
            controlBar: numberSetting("control_bar", 1) !== 0,
            compact: numberSetting("OS_CONTROL", 0) === 1,
            alignX: textSetting("OS_WIN_POS_W", "left"),
            alignY: textSetting("OS_WIN_POS_H", "top"),
            fullScreen: numberSetting("OS_FULL_SCREEN", 0) === 1,
            barLift: numberSetting("posY", 0),
            hotSpots: readHotSpots()
        };
    }

    /* ---- small page helpers ---- */

    function byId(id) {
        return document.getElementById(id);
    }

    function make(tag, className, text) {
        var element = document.createElement(tag);
        if (className) {
            element.className = className;
        }
        if (text) {
            element.textContent = text;
        }
        return element;
    }

    /*
     * Style writes only when the value changes: unchanged writes still cost a style
     * pass. The last value written is kept beside the element, so the check reads no style.
     */
    function put(element, name, value) {
        var written = element.tessalyStyle || (element.tessalyStyle = {});
        if (written[name] !== value) {
            written[name] = value;
            element.style[name] = value;
        }
    }

    function placeBox(element, left, top, width, height) {
        put(element, "position", "absolute");
        put(element, "left", Math.round(left) + "px");
        put(element, "top", Math.round(top) + "px");
        if (width !== null) {
            put(element, "width", Math.round(width) + "px");
        }
        if (height !== null) {
            put(element, "height", Math.round(height) + "px");
        }
    }

    function show(element) {
        put(element, "display", "block");
    }

    function hide(element) {
        if (element) {
            put(element, "display", "none");
        }
    }

    function isShown(element) {
        return !!element && (element.tessalyStyle || element.style).display !== "none";
    }

    function settle(promise) {
        if (promise && typeof promise.then === "function") {
            promise.then(null, function () {
                return null;
            });
        }
    }

    function now() {
        return window.performance && window.performance.now ? window.performance.now() : Date.now();
    }

    /* ---- geometry ---- */

    function directionOf(column, latDegrees, out) {
        var phi = 2 * Math.PI * column;
        var theta = THREE.MathUtils.degToRad(latDegrees);
        return out.set(Math.cos(theta) * Math.cos(phi), Math.sin(theta), Math.cos(theta) * Math.sin(phi));
    }

    function columnOfView(lon) {
        var turns = 0.5 + lon / 360;
        return turns - Math.floor(turns);
    }

    /* Half the vertical angle a cylindrical picture of this aspect covers. */
    function cylinderReach(aspect) {
        return THREE.MathUtils.radToDeg(Math.atan(Math.PI / aspect));
    }

    /*
     * Vertices are x, y, z and the texture place s, t; t counts from the top row of
     * the frame, so frames go up unflipped. Column u lies at the angle 2 pi u.
     */
    function gridMesh(columns, rows, ring) {
        var points = [];
        var indices = [];
        var ix;
        var iy;
        var at;
        var phi;
        var a;
        var c;
        for (iy = 0; iy <= rows; iy += 1) {
            at = ring(iy / rows);
            for (ix = 0; ix <= columns; ix += 1) {
                phi = 2 * Math.PI * ix / columns;
                points.push(at.radius * Math.cos(phi), at.y, at.radius * Math.sin(phi), ix / columns + at.shift, iy / rows);
            }
        }
        for (iy = 0; iy < rows; iy += 1) {
            for (ix = 0; ix < columns; ix += 1) {
                a = iy * (columns + 1) + ix;
                c = a + columns + 1;
                /* At a pole one triangle of the quad has no area. */
                if (!ring(iy / rows).pole) {
                    indices.push(a + 1, a, c + 1);
                }
                if (!ring((iy + 1) / rows).pole) {
                    indices.push(a, c, c + 1);
                }
            }
        }
        return { points: points, indices: indices, vertices: (columns + 1) * (rows + 1) };
    }

    /*
     * A spherical movie wraps the sphere (in Black Areas mode only the band within
     * vertmax); a wider one is rolled round a cylinder whose height keeps its pixels square.
     */
    function buildGeometry(state) {
        var config = state.config;
        var height;
        var bandRad;
        var thetaStart;
        var thetaEnd;
        if (state.cylinder) {
            height = 2 * Math.PI * SPHERE_RADIUS / state.aspect;
            return gridMesh(config.segmentsWidth, 1, function (v) {
                return { radius: SPHERE_RADIUS, y: height / 2 - v * height, shift: 0, pole: false };
            });
        }
        bandRad = THREE.MathUtils.degToRad(config.mode === 1 ? config.vertmax : 90);
        thetaStart = Math.PI / 2 - bandRad;
        thetaEnd = Math.min(thetaStart + 2 * bandRad, Math.PI);
        return gridMesh(config.segmentsWidth, config.segmentsHeight, function (v) {
            var theta = thetaStart + v * 2 * bandRad;
            var top = v === 0 && thetaStart === 0;
            var bottom = v === 1 && thetaEnd === Math.PI;
            /* The pole vertex of a column takes the middle of its column. */
            var shift = top ? 0.5 / config.segmentsWidth : (bottom ? -0.5 / config.segmentsWidth : 0);
            return { radius: SPHERE_RADIUS * Math.sin(theta), y: SPHERE_RADIUS * Math.cos(theta), shift: shift, pole: top || bottom };
        });
    }

    var VERTEX_SOURCE = "attribute vec3 position;" +
        "attribute vec2 place;" +
        "uniform mat4 matrix;" +
        "varying vec2 texel;" +
        "void main(){" +
        "texel=place;" +
        "gl_Position=matrix*vec4(position,1.0);" +
        "}";

    /* Frames are sRGB and so is the canvas: texels go out as they came in. */
    var FRAGMENT_SOURCE = "#ifdef GL_FRAGMENT_PRECISION_HIGH\nprecision highp float;\n#else\nprecision mediump float;\n#endif\n" +
        "uniform sampler2D picture;" +
        "varying vec2 texel;" +
        "void main(){" +
        "gl_FragColor=texture2D(picture,texel);" +
        "}";

    /* WebGL 2 where there is one, else WebGL 1 (older iPhones). */
    function openContext(canvas) {
        var options = { alpha: false, antialias: false, depth: false, stencil: false, preserveDrawingBuffer: false };
        var names = ["webgl2", "webgl", "experimental-webgl"];
        var gl = null;
        var i;
        for (i = 0; i < names.length && !gl; i += 1) {
            try {
                gl = canvas.getContext(names[i], options);
            } catch (error) {
                gl = null;
            }
        }
        return gl;
    }

    function compileShader(gl, kind, source) {
        var shader = gl.createShader(kind);
        gl.shaderSource(shader, source);
        gl.compileShader(shader);
        return shader;
    }

    function newTexture(renderer) {
        var gl = renderer.gl;
        var texture = gl.createTexture();
        bindTexture(renderer, texture);
        gl.texParameteri(gl.TEXTURE_2D, gl.TEXTURE_MIN_FILTER, gl.LINEAR);
        gl.texParameteri(gl.TEXTURE_2D, gl.TEXTURE_MAG_FILTER, gl.LINEAR);
        gl.texParameteri(gl.TEXTURE_2D, gl.TEXTURE_WRAP_S, gl.CLAMP_TO_EDGE);
        gl.texParameteri(gl.TEXTURE_2D, gl.TEXTURE_WRAP_T, gl.CLAMP_TO_EDGE);
        return texture;
    }

    function hexChannel(colour, at) {
        return parseInt(colour.substring(at, at + 2), 16) / 255;
    }

    function buildRenderer(config) {
        var canvas = document.createElement("canvas");
        var gl = openContext(canvas);
        var program;
        var renderer;
        canvas.style.display = "block";
        if (!gl) {
            return null;
        }
        program = gl.createProgram();
        gl.attachShader(program, compileShader(gl, gl.VERTEX_SHADER, VERTEX_SOURCE));
        gl.attachShader(program, compileShader(gl, gl.FRAGMENT_SHADER, FRAGMENT_SOURCE));
        gl.bindAttribLocation(program, 0, "position");
        gl.bindAttribLocation(program, 1, "place");
        gl.linkProgram(program);
        gl.useProgram(program);
        gl.uniform1i(gl.getUniformLocation(program, "picture"), 0);
        gl.enableVertexAttribArray(0);
        gl.enableVertexAttribArray(1);
        gl.disable(gl.CULL_FACE);
        gl.disable(gl.DEPTH_TEST);
        gl.blendFunc(gl.SRC_ALPHA, gl.ONE_MINUS_SRC_ALPHA);
        gl.clearColor(hexChannel(config.clearColour, 1), hexChannel(config.clearColour, 3), hexChannel(config.clearColour, 5), 1);
        renderer = {
            canvas: canvas, gl: gl, matrix: gl.getUniformLocation(program, "matrix"), movie: null,
            ratio: Math.min(window.devicePixelRatio || 1, 2), wideIndices: typeof WebGL2RenderingContext !== "undefined" &&
                gl instanceof WebGL2RenderingContext || !!gl.getExtension("OES_element_index_uint"),
            product: new THREE.Matrix4(), elements: new Float32Array(16), mesh: null,
            bound: { texture: null, mesh: null, viewport: [0, 0, 0, 0], matrix: false }
        };
        renderer.movie = newTexture(renderer);
        return renderer;
    }

    /* Indices that do not fit 16 bits need 32-bit indices; without them the triangles are spelt out. */
    function uploadMesh(renderer, data) {
        var gl = renderer.gl;
        var mesh = { vertices: gl.createBuffer(), indices: null, count: data.indices.length, type: gl.UNSIGNED_SHORT };
        var points = data.points;
        var spelt;
        var i;
        if (data.vertices > 65536 && !renderer.wideIndices) {
            spelt = [];
            for (i = 0; i < data.indices.length; i += 1) {
                spelt.push.apply(spelt, points.slice(data.indices[i] * 5, data.indices[i] * 5 + 5));
            }
            points = spelt;
        } else {
            mesh.indices = gl.createBuffer();
            gl.bindBuffer(gl.ELEMENT_ARRAY_BUFFER, mesh.indices);
            if (data.vertices > 65536) {
                mesh.type = gl.UNSIGNED_INT;
                gl.bufferData(gl.ELEMENT_ARRAY_BUFFER, new Uint32Array(data.indices), gl.STATIC_DRAW);
            } else {
                gl.bufferData(gl.ELEMENT_ARRAY_BUFFER, new Uint16Array(data.indices), gl.STATIC_DRAW);
            }
        }
        gl.bindBuffer(gl.ARRAY_BUFFER, mesh.vertices);
        gl.bufferData(gl.ARRAY_BUFFER, new Float32Array(points), gl.STATIC_DRAW);
        renderer.bound.mesh = null;
        return mesh;
    }

    function dropMesh(renderer, mesh) {
        if (mesh) {
            renderer.gl.deleteBuffer(mesh.vertices);
            if (mesh.indices) {
                renderer.gl.deleteBuffer(mesh.indices);
            }
        }
    }

    function useGeometry(state) {
        dropMesh(state.renderer, state.renderer.mesh);
        state.renderer.mesh = uploadMesh(state.renderer, buildGeometry(state));
    }

    function bindTexture(renderer, texture) {
        if (renderer.bound.texture !== texture) {
            renderer.bound.texture = texture;
            renderer.gl.bindTexture(renderer.gl.TEXTURE_2D, texture);
        }
    }

    function setViewport(renderer, x, y, width, height) {
        var port = renderer.bound.viewport;
        if (port[0] !== x || port[1] !== y || port[2] !== width || port[3] !== height) {
            port[0] = x;
            port[1] = y;
            port[2] = width;
            port[3] = height;
            renderer.gl.viewport(x, y, width, height);
        }
    }

    /* The matrix goes up only when it changed: a still view costs no upload. */
    function useMatrix(renderer, matrix) {
        var from = matrix.elements;
        var to = renderer.elements;
        var same = renderer.bound.matrix;
        var i;
        for (i = 0; i < 16 && same; i += 1) {
            same = to[i] === Math.fround(from[i]);
        }
        if (!same) {
            to.set(from);
            renderer.gl.uniformMatrix4fv(renderer.matrix, false, to);
            renderer.bound.matrix = true;
        }
    }

    function drawMesh(renderer, mesh, texture, matrix) {
        var gl = renderer.gl;
        useMatrix(renderer, matrix);
        bindTexture(renderer, texture);
        if (renderer.bound.mesh !== mesh) {
            renderer.bound.mesh = mesh;
            gl.bindBuffer(gl.ARRAY_BUFFER, mesh.vertices);
            gl.vertexAttribPointer(0, 3, gl.FLOAT, false, 20, 0);
            gl.vertexAttribPointer(1, 2, gl.FLOAT, false, 20, 12);
            if (mesh.indices) {
                gl.bindBuffer(gl.ELEMENT_ARRAY_BUFFER, mesh.indices);
            }
        }
        if (mesh.indices) {
            gl.drawElements(gl.TRIANGLES, mesh.count, mesh.type, 0);
        } else {
            gl.drawArrays(gl.TRIANGLES, 0, mesh.count);
        }
    }

    function resizeRenderer(renderer, width, height) {
        var canvas = renderer.canvas;
        var pixelsWide = Math.floor(width * renderer.ratio);
        var pixelsHigh = Math.floor(height * renderer.ratio);
        if (canvas.width !== pixelsWide || canvas.height !== pixelsHigh) {
            canvas.width = pixelsWide;
            canvas.height = pixelsHigh;
        }
        put(canvas, "width", width + "px");
        put(canvas, "height", height + "px");
    }

    /*
     * Without frame callbacks, the count of decoded frames tells a new frame; the
     * movie time moves on between frames and would upload the same frame again.
     */
    function frameStamp(video) {
        if (typeof video.getVideoPlaybackQuality === "function") {
            return video.getVideoPlaybackQuality().totalVideoFrames;
        }
        if (typeof video.webkitDecodedFrameCount === "number") {
            return video.webkitDecodedFrameCount;
        }
        return video.currentTime;
    }

    /* Frame callbacks say when a new frame is on show; each frame goes up once. */
    function watchFrames(state) {
        var video = state.video;
        var presented = function () {
            state.fresh = true;
            video.requestVideoFrameCallback(presented);
        };
        state.frameCallbacks = "requestVideoFrameCallback" in video;
        if (state.frameCallbacks) {
            video.requestVideoFrameCallback(presented);
        }
    }

    function newFrame(state) {
        if (state.frameCallbacks) {
            return state.fresh;
        }
        return frameStamp(state.video) !== state.drawn.stamp;
    }

    function uploadFrame(state) {
        var gl = state.renderer.gl;
        /* Not before checkMovie found the movie may be drawn: a tainted frame throws. */
        if (!state.ready || !newFrame(state)) {
            return;
        }
        state.fresh = false;
        if (!state.frameCallbacks) {
            state.drawn.stamp = frameStamp(state.video);
        }
        if (state.video.readyState >= 2) {
            bindTexture(state.renderer, state.renderer.movie);
            gl.texImage2D(gl.TEXTURE_2D, 0, gl.RGBA, gl.RGBA, gl.UNSIGNED_BYTE, state.video);
        }
    }

    /* ---- view ---- */

    function fovLimit(state) {
        if (state.cylinder && state.config.mode === 0) {
            return clamp(2 * state.reach, MIN_FOV, MAX_FOV);
        }
        return MAX_FOV;
    }

    /* Classic mode keeps the view on the picture: within vertmax, and within the edges of a cylinder. */
    function latLimit(state, fov) {
        var limit;
        if (state.config.mode === 1) {
            return POLE_LIMIT;
        }
        limit = Math.min(state.config.vertmax, POLE_LIMIT);
        if (state.cylinder) {
            limit = Math.min(limit, Math.max(0, state.reach - fov / 2));
        }
        return limit;
    }

    function normalisedLon(lon) {
        return ((lon % 360) + 360) % 360;
    }

    function setView(state, lon, lat, fov) {
        var limit;
        state.fov = clamp(fov, MIN_FOV, fovLimit(state));
        limit = latLimit(state, state.fov);
        state.lon = normalisedLon(lon);
        state.lat = clamp(lat, -limit, limit);
        state.dirty = true;
    }

    /* The camera sits at the centre; the far plane lies beyond the sphere. */
    function aimCamera(state) {
        var camera = state.camera;
        var aspect = state.box.width / state.box.height;
        var near = 1;
        var far = 2 * SPHERE_RADIUS;
        var focal;
        if (camera.lon === state.lon && camera.lat === state.lat && camera.fov === state.fov && camera.aspect === aspect) {
            return;
        }
        camera.lon = state.lon;
        camera.lat = state.lat;
        state.spotsStale = true;
        directionOf(columnOfView(state.lon), state.lat, state.target);
        if (camera.fov !== state.fov || camera.aspect !== aspect) {
            camera.fov = state.fov;
            camera.aspect = aspect;
            focal = 1 / Math.tan(THREE.MathUtils.degToRad(state.fov) / 2);
            camera.projection.set(focal / aspect, 0, 0, 0, 0, focal, 0, 0, 0, 0, (far + near) / (near - far),
                2 * far * near / (near - far), 0, 0, -1, 0);
        }
        /* lookAt gives the turn of the camera; its inverse, the transpose, turns the world into view. */
        camera.view.lookAt(camera.origin, state.target, camera.up).transpose();
        camera.both.multiplyMatrices(camera.projection, camera.view);
    }

    function zoomBy(state, degrees) {
        setView(state, state.lon, state.lat, state.fov + degrees);
    }

    function turnBy(state, lonDegrees, latDegrees) {
        setView(state, state.lon + lonDegrees, state.lat + latDegrees, state.fov);
    }

    /* The pan buttons hold one direction until stop or another direction. */
    function setPan(state, lonSpeed, latSpeed) {
        state.pan.lon = lonSpeed;
        state.pan.lat = latSpeed;
        state.pan.last = now();
    }

    function advancePan(state, time) {
        var seconds = clamp((time - state.pan.last) / 1000, 0, LONGEST_STEP);
        state.pan.last = time;
        if (state.pan.lon !== 0 || state.pan.lat !== 0) {
            turnBy(state, state.pan.lon * seconds, state.pan.lat * seconds);
        }
    }

    /* ---- projection ---- */

    function useProjection(state) {
        var video = state.video;
        var aspect = video.videoWidth > 0 && video.videoHeight > 0 ? video.videoWidth / video.videoHeight : 2;
        var cylinder = aspect > CYLINDER_ASPECT;
        if (cylinder === state.cylinder && (!cylinder || aspect === state.aspect)) {
            return;
        }
        state.cylinder = cylinder;
        state.aspect = aspect;
        state.reach = cylinder ? cylinderReach(aspect) : 90;
        useGeometry(state);
        setView(state, state.lon, state.lat, state.fov);
        state.dirty = true;
    }

    /* ---- layout ---- */

    /* Offset of the viewer in the free space; anything unknown keeps the near edge. */
    function aligned(free, align, far) {
        if (align === far) {
            return Math.max(0, free);
        }
        if (align === "center") {
            return Math.max(0, Math.floor(free / 2));
        }
        return 0;
    }

    function windowSize() {
        return { width: window.innerWidth, height: window.innerHeight };
    }

    function barLift(state) {
        return state.filled ? Math.max(state.config.barLift, FILLED_BAR_LIFT) : state.config.barLift;
    }

    /* Height the control bar takes below the viewer; posY lifts it onto the picture. */
    function barSpace(state) {
        if (!state.controls) {
            return 0;
        }
        return Math.max(0, state.controls.offsetHeight - barLift(state));
    }

    function placeButtons(state, bottom) {
        var box = state.box;
        var scale = Math.min(BUTTON_SCALE, (box.width - 2 * MARGIN) / (BUTTON_IDS.length * BUTTON_WIDTH));
        var width = Math.floor(BUTTON_WIDTH * scale);
        var height = Math.floor(BUTTON_HEIGHT * scale);
        var left = box.left + Math.floor((box.width - width * BUTTON_IDS.length) / 2);
        var i;
        for (i = 0; i < state.buttons.length; i += 1) {
            placeBox(state.buttons[i], left + i * width, bottom - height - 4, width, height);
        }
    }

    function placeOverlays(state) {
        var box = state.box;
        var lift = barLift(state);
        var titleWidth = Math.max(0, Math.min(TITLE_WIDTH, box.width - 2 * (2 * MARGIN + ABOUT_SIZE)));
        var bottom = box.top + box.height - (state.controls ? lift : 0);
        if (state.about) {
            placeBox(state.about, box.left + MARGIN, box.top + MARGIN, ABOUT_SIZE, ABOUT_SIZE);
        }
        if (state.title) {
            placeBox(state.title, box.left + (box.width - titleWidth) / 2, box.top + MARGIN,
                titleWidth, titleWidth * TITLE_HEIGHT / TITLE_WIDTH);
        }
        if (state.muteOn && state.muteOff) {
            placeBox(state.muteOn, box.left + MARGIN + (ABOUT_SIZE - MUTE_SIZE) / 2, box.top + 2 * MARGIN + ABOUT_SIZE,
                MUTE_SIZE, MUTE_SIZE);
            placeBox(state.muteOff, box.left + MARGIN + (ABOUT_SIZE - MUTE_SIZE) / 2, box.top + 2 * MARGIN + ABOUT_SIZE,
                MUTE_SIZE, MUTE_SIZE);
        }
        if (state.buttons.length > 0) {
            placeButtons(state, bottom);
        }
        placeBox(state.note, box.left, box.top + Math.floor(box.height / 3), box.width, null);
        placeBox(state.cover, box.left, box.top, box.width, box.height);
        placeBox(state.tools, box.left, box.top + 2 * MARGIN + ICON_SIZE, box.width - MARGIN, null);
    }

    /*
     * A narrow viewer keeps only play, progress and full screen. OS_CONTROL says so
     * for the published size; a viewer that follows the window decides by its width.
     */
    function useCompactBar(state) {
        var follows = state.config.fullScreen || state.filled;
        var compact = follows ? state.box.width < COMPACT_WIDTH : state.config.compact;
        var name = compact ? "compact" : "";
        if (state.controls.className !== name) {
            state.controls.className = name;
        }
    }

    function layout(state) {
        var page = windowSize();
        var box = state.box;
        if (state.controls) {
            /* Before the bar is measured. */
            useCompactBar(state);
        }
        box.left = aligned(page.width - box.width, state.config.alignX, "right");
        box.top = aligned(page.height - box.height - barSpace(state), state.config.alignY, "bottom");
        if (state.filled) {
            box.left = 0;
            box.top = 0;
        }
        placeBox(state.container, box.left, box.top, box.width, box.height);
        state.spotsStale = true;
        if (state.renderer) {
            resizeRenderer(state.renderer, box.width, box.height);
        }
        state.dirty = true;
        if (state.controls) {
            placeBox(state.controls, box.left, box.top + box.height - barLift(state), box.width, null);
        }
        placeOverlays(state);
    }

    /* In full-screen mode, and while the page is full screen, the viewer follows the browser window. */
    function followWindow(state) {
        var page = windowSize();
        if (state.config.fullScreen || state.filled) {
            state.box.width = Math.max(1, page.width);
            state.box.height = Math.max(1, page.height);
        } else {
            state.box.width = state.config.width;
            state.box.height = state.config.height;
        }
        layout(state);
    }

    /* ---- full screen ---- */

    function fullScreenElement() {
        return document.fullscreenElement || document.webkitFullscreenElement || null;
    }

    function toggleFullScreen(state) {
        var root = document.documentElement;
        var request = root.requestFullscreen || root.webkitRequestFullscreen;
        var exit = document.exitFullscreen || document.webkitExitFullscreen;
        if (fullScreenElement() && exit) {
            settle(exit.call(document));
        } else if (request && !state.filled) {
            settle(request.call(root));
        } else {
            /* No full-screen API (iPhone): fill the browser window instead. */
            state.filled = !state.filled;
            window.scrollTo(0, 0);
            followWindow(state);
        }
    }

    function bindFullScreen(state) {
        var changed = function () {
            state.filled = !!fullScreenElement();
            followWindow(state);
        };
        document.addEventListener("fullscreenchange", changed, false);
        document.addEventListener("webkitfullscreenchange", changed, false);
    }

    /* ---- pointer, touch and keys ---- */

    function startDrag(state, x, y) {
        state.drag = { x: x, y: y, lon: state.lon, lat: state.lat };
    }

    function moveDrag(state, x, y) {
        var gain = state.config.mouseSpeed * DRAG_GAIN;
        var drag = state.drag;
        if (drag) {
            /* The picture follows the pointer: dragging left turns the view right. */
            setView(state, drag.lon + (drag.x - x) * gain, drag.lat + (y - drag.y) * gain, state.fov);
        }
    }

    function endDrag(state) {
        state.drag = null;
    }

    function wheelDegrees(event) {
        var delta = event.deltaY || 0;
        return delta * WHEEL_GAIN * (event.deltaMode === 1 ? WHEEL_LINE : 1);
    }

    function touchDistance(touches) {
        var dx = touches[0].clientX - touches[1].clientX;
        var dy = touches[0].clientY - touches[1].clientY;
        return Math.sqrt(dx * dx + dy * dy);
    }

    /* One finger turns the view, two pinch the zoom; lifting one of two goes back to turning. */
    function touchChanged(state, touches) {
        state.pinch = null;
        endDrag(state);
        if (touches.length >= 2) {
            state.pinch = { distance: Math.max(1, touchDistance(touches)), fov: state.fov };
        } else if (touches.length === 1) {
            startDrag(state, touches[0].clientX, touches[0].clientY);
        }
    }

    function touchMoved(state, touches) {
        if (state.pinch && touches.length >= 2) {
            setView(state, state.lon, state.lat, state.pinch.fov * state.pinch.distance / Math.max(1, touchDistance(touches)));
        } else if (touches.length === 1) {
            moveDrag(state, touches[0].clientX, touches[0].clientY);
        }
    }

    function bindPointer(state) {
        var canvas = state.renderer.canvas;
        canvas.addEventListener("mousedown", function (event) {
            if (event.button === 0) {
                startDrag(state, event.clientX, event.clientY);
                event.preventDefault();
            }
        }, false);
        document.addEventListener("mousemove", function (event) {
            moveDrag(state, event.clientX, event.clientY);
        }, false);
        document.addEventListener("mouseup", function () {
            endDrag(state);
        }, false);
        canvas.addEventListener("touchstart", function (event) {
            touchChanged(state, event.touches);
            event.preventDefault();
        }, { passive: false });
        canvas.addEventListener("touchmove", function (event) {
            touchMoved(state, event.touches);
            event.preventDefault();
        }, { passive: false });
        canvas.addEventListener("touchend", function (event) {
            touchChanged(state, event.touches);
        }, false);
        canvas.addEventListener("touchcancel", function (event) {
            touchChanged(state, event.touches);
        }, false);
        canvas.addEventListener("wheel", function (event) {
            zoomBy(state, wheelDegrees(event));
            event.preventDefault();
        }, { passive: false });
    }

    /* The name of the key, with the key codes of engines that have no KeyboardEvent.key. */
    function keyName(event) {
        var codes = { 32: " ", 37: "ArrowLeft", 38: "ArrowUp", 39: "ArrowRight", 40: "ArrowDown",
            70: "f", 77: "m", 107: "+", 109: "-", 187: "+", 189: "-" };
        var key = event.key;
        var old = { Left: "ArrowLeft", Up: "ArrowUp", Right: "ArrowRight", Down: "ArrowDown", Spacebar: " " };
        if (typeof key === "string" && key !== "Unidentified") {
            key = old[key] || key;
            return key.length === 1 ? key.toLowerCase() : key;
        }
        return codes[event.keyCode] || "";
    }

    function keyAction(state, key) {
        var actions = {
            ArrowLeft: function () {
                turnBy(state, -KEY_STEP, 0);
            },
            ArrowRight: function () {
                turnBy(state, KEY_STEP, 0);
            },
            ArrowUp: function () {
                turnBy(state, 0, KEY_STEP);
            },
            ArrowDown: function () {
                turnBy(state, 0, -KEY_STEP);
            },
            "+": function () {
                zoomBy(state, -ZOOM_STEP);
            },
            "=": function () {
                zoomBy(state, -ZOOM_STEP);
            },
            "-": function () {
                zoomBy(state, ZOOM_STEP);
            },
            " ": function () {
                togglePlay(state);
            },
            f: function () {
                toggleFullScreen(state);
            },
            m: function () {
                setMuted(state, !state.video.muted);
            }
        };
        return actions.hasOwnProperty(key) ? actions[key] : null;
    }

    function bindKeys(state) {
        document.addEventListener("keydown", function (event) {
            var target = event.target;
            var tag = target && target.tagName ? target.tagName.toLowerCase() : "";
            var action;
            if (event.ctrlKey || event.altKey || event.metaKey || tag === "input" || tag === "textarea" ||
                tag === "select" || (tag === "button" && (event.key === " " || event.keyCode === 32))) {
                return;
            }
            action = keyAction(state, keyName(event));
            if (action) {
                action();
                event.preventDefault();
            }
        }, false);
    }

    /* ---- hot spots ---- */

    function prepareHotSpots(state) {
        var index;
        var icon;
        var spot;
        for (index = 0; index < ICON_COUNT; index += 1) {
            icon = byId("hs" + (index + 1));
            state.icons.push(icon);
            if (icon) {
                hide(icon);
                icon.style.zIndex = "10";
                /* Icons move by transform: no layout while they follow the view. */
                placeBox(icon, 0, 0, null, null);
            }
        }
        for (index = 0; index < state.config.hotSpots.length; index += 1) {
            spot = state.config.hotSpots[index];
            spot.direction = directionOf(spot.column, 0, new THREE.Vector3());
            spot.icon = state.icons[spot.index];
            spot.left = null;
            spot.top = null;
            spot.on = null;
            if (spot.icon) {
                /* Attributes set this way are text, never markup. */
                spot.icon.setAttribute("title", spot.title);
                spot.icon.setAttribute("aria-label", spot.title);
                spot.icon.setAttribute("role", "link");
                spot.icon.tabIndex = 0;
                bindHotSpotKeys(state, spot);
                state.spots.push(spot);
            }
        }
        state.marker = byId("check_hs");
        if (state.marker) {
            hide(state.marker);
            state.marker.style.zIndex = "10";
        }
    }

    /* Focus shows the title beside the icon; Enter opens the link. */
    function bindHotSpotKeys(state, spot) {
        spot.icon.addEventListener("keydown", function (event) {
            if (event.key === "Enter" || event.keyCode === 13) {
                openHotSpot(state, spot.index);
                event.preventDefault();
            }
        }, false);
        spot.icon.addEventListener("focus", function () {
            state.focused = spot;
            state.tip.textContent = spot.title;
            placeTip(state);
        }, false);
        spot.icon.addEventListener("blur", function () {
            state.focused = null;
            hide(state.tip);
        }, false);
    }

    function placeTip(state) {
        var spot = state.focused;
        if (!spot || !isShown(spot.icon) || spot.left === null) {
            hide(state.tip);
            return;
        }
        placeBox(state.tip, spot.left, spot.top + ICON_SIZE + 2, null, null);
        show(state.tip);
    }

    /* Canvas coordinates of a direction, or null when it is behind the camera or off the canvas. */
    function projectDirection(state, direction) {
        var box = state.box;
        var point = state.scratch;
        var x;
        var y;
        if (state.target.dot(direction) <= 0) {
            return null;
        }
        point.copy(direction).multiplyScalar(SPHERE_RADIUS).applyMatrix4(state.camera.both);
        x = (point.x + 1) / 2 * box.width;
        y = (1 - point.y) / 2 * box.height;
        if (x < 0 || x > box.width || y < 0 || y > box.height) {
            return null;
        }
        state.projected.x = x;
        state.projected.y = y;
        return state.projected;
    }

    function inWindow(spot, time) {
        return time >= spot.start && time <= spot.end;
    }

    /*
     * Shows each icon whose time window holds the movie time, at its direction. An
     * icon is placed again only when its window, the view or the layout changed.
     */
    function updateHotSpots(state) {
        var time = state.video.currentTime;
        var stale = state.spotsStale;
        var anyShown = false;
        var changed = stale;
        var index;
        var spot;
        var on;
        var at;
        state.spotsStale = false;
        for (index = 0; index < state.spots.length; index += 1) {
            spot = state.spots[index];
            on = inWindow(spot, time) && state.ready;
            anyShown = anyShown || on;
            if (on === spot.on && !stale) {
                continue;
            }
            spot.on = on;
            changed = true;
            at = on ? projectDirection(state, spot.direction) : null;
            if (at) {
                spot.left = Math.round(state.box.left + at.x - ICON_SIZE / 2);
                spot.top = Math.round(state.box.top + at.y - ICON_SIZE / 2);
                put(spot.icon, "transform", "translate(" + spot.left + "px," + spot.top + "px)");
                show(spot.icon);
            } else {
                spot.left = null;
                hide(spot.icon);
            }
        }
        if (state.marker && (anyShown !== state.anyShown || stale)) {
            state.anyShown = anyShown;
            if (anyShown) {
                placeBox(state.marker, state.box.left + state.box.width - ICON_SIZE - MARGIN, state.box.top + MARGIN,
                    null, null);
                show(state.marker);
            } else {
                hide(state.marker);
            }
        }
        if (state.focused && changed) {
            placeTip(state);
        }
    }

    function checkHotSpots(state) {
        if (!state.xrSession) {
            aimCamera(state);
        }
        updateHotSpots(state);
    }

    function openHotSpot(state, index) {
        var spot = null;
        var i;
        for (i = 0; i < state.spots.length; i += 1) {
            if (state.spots[i].index === index) {
                spot = state.spots[i];
            }
        }
        if (!spot || spot.link === "") {
            return;
        }
        if (spot.self) {
            window.location.assign(spot.link);
        } else {
            window.open(spot.link, "_blank", "noopener");
        }
    }

    /* ---- sound ---- */

    /* Any choice about the sound answers the note. */
    function setMuted(state, muted) {
        state.video.muted = muted;
        hide(state.note);
        showSound(state);
    }

    function setVolumeStep(state, step) {
        state.video.volume = clamp(step / VOLUME_STEPS, 0, 1);
        setMuted(state, false);
    }

    function showSound(state) {
        var video = state.video;
        var lit = video.muted ? 0 : Math.round(video.volume * VOLUME_STEPS);
        var i;
        for (i = 0; i < state.volumeSteps.length; i += 1) {
            state.volumeSteps[i].className = i < lit ? "on" : "";
        }
        if (state.muteOn && state.muteOff) {
            if (video.muted) {
                hide(state.muteOn);
                show(state.muteOff);
            } else {
                show(state.muteOn);
                hide(state.muteOff);
            }
        }
    }

    /* ---- playback and autoplay ---- */

    function blocked(error) {
        return !!error && error.name === "NotAllowedError";
    }

    function showCover(state, kind, lines) {
        var i;
        state.cover.className = "tessaly-cover " + kind;
        state.coverText.textContent = "";
        for (i = 0; i < lines.length; i += 1) {
            /* A line given as [text] is a command to type. */
            state.coverText.appendChild(typeof lines[i] === "string" ? make("p", "", lines[i]) :
                make("p", "tessaly-command", lines[i][0]));
        }
        state.coverKind = kind;
        put(state.cover, "display", "flex");
    }

    function hideCover(state, kind) {
        if (state.coverKind === kind) {
            state.coverKind = "";
            hide(state.cover);
        }
    }

    /*
     * Where sound keeps the movie from starting it starts muted with a note; where
     * nothing may start, the poster waits under a play sign.
     */
    function startPlayback(state) {
        var video = state.video;
        var started = video.play();
        if (!started || typeof started.then !== "function") {
            return;
        }
        started.then(function () {
            hideCover(state, "play");
        }, function (error) {
            if (!blocked(error)) {
                return;
            }
            if (video.muted) {
                showCover(state, "play", [TEXT.play]);
                return;
            }
            video.muted = true;
            settle(video.play().then(function () {
                show(state.note);
            }, function (again) {
                if (blocked(again)) {
                    video.muted = false;
                    showCover(state, "play", [TEXT.play]);
                }
            }));
        });
    }

    function togglePlay(state) {
        if (state.video.paused) {
            startPlayback(state);
        } else {
            state.video.pause();
        }
    }

    function restart(state) {
        state.video.currentTime = 0;
        startPlayback(state);
    }

    /* The first tap, click or key after a muted start brings the sound. */
    function bindSoundNote(state) {
        var unmute = function () {
            if (isShown(state.note)) {
                setMuted(state, false);
            }
        };
        document.addEventListener("click", unmute, true);
        document.addEventListener("touchend", unmute, true);
        document.addEventListener("keydown", unmute, true);
    }

    /* ---- movie sources ---- */

    function sourceList(video) {
        var found = video.getElementsByTagName("source");
        var list = [];
        var i;
        for (i = 0; i < found.length; i += 1) {
            list.push(found[i]);
        }
        return list;
    }

    function fileName(url) {
        var name = String(url || "").split("?")[0].split("#")[0];
        name = name.substring(name.lastIndexOf("/") + 1);
        try {
            return decodeURIComponent(name);
        } catch (error) {
            return name;
        }
    }

    /* A video from another origin (a file: page in most browsers) taints WebGL. */
    function drawable(video) {
        var canvas = make("canvas", "", "");
        var context;
        canvas.width = 1;
        canvas.height = 1;
        context = canvas.getContext("2d");
        if (!context) {
            return true;
        }
        try {
            context.drawImage(video, 0, 0, 1, 1);
            context.getImageData(0, 0, 1, 1);
            return true;
        } catch (error) {
            return false;
        }
    }

    function fromFileLines() {
        return [TEXT.fromFile, TEXT.runPreview, [TEXT.previewCommand + fileName(window.location.pathname)]];
    }

    /* A movie that cannot be shown must not go on playing unseen, with its sound. */
    function stopForGood(state, lines) {
        state.failed = true;
        detachMovie(state);
        state.video.pause();
        showCover(state, "failed", lines);
    }

    function showFailure(state) {
        stopForGood(state, window.location.protocol === "file:" ? fromFileLines() :
            [TEXT.cannotPlay].concat(state.failures));
    }

    /* A source the element tries again after a reload fails again: say it once. */
    function addFailure(state, reason) {
        if (state.failures.indexOf(reason) < 0) {
            state.failures.push(reason);
        }
    }

    /* Gives up the source playing now and lets the element pick the next one. */
    function dropSource(state, reason) {
        var sources = sourceList(state.video);
        var current = state.video.currentSrc;
        var i;
        addFailure(state, reason);
        detachMovie(state);
        for (i = 0; i < sources.length; i += 1) {
            if (sources[i].src === current) {
                sources[i].parentNode.removeChild(sources[i]);
            }
        }
        if (sourceList(state.video).length === 0 || sources.length === sourceList(state.video).length) {
            showFailure(state);
            return;
        }
        state.video.load();
        startPlayback(state);
    }

    function detachMovie(state) {
        state.ready = false;
        state.dirty = true;
    }

    function attachMovie(state) {
        if (!state.ready) {
            /* The frame on show goes up now, whether or not a new one follows. */
            state.fresh = true;
            state.drawn.stamp = -1;
        }
        state.ready = true;
        state.dirty = true;
        hideCover(state, "failed");
    }

    /* The movie is drawn only once it fits the device and may be drawn at all. */
    function checkMovie(state) {
        var video = state.video;
        var largest = state.maxTextureSize;
        if (state.ready || state.failed || video.readyState < 1) {
            return;
        }
        if (video.videoWidth > largest || video.videoHeight > largest) {
            dropSource(state, fileName(video.currentSrc) + ": " + video.videoWidth + " x " + video.videoHeight +
                TEXT.tooLarge + largest + TEXT.pixels);
            return;
        }
        useProjection(state);
        if (video.readyState < 2) {
            return;
        }
        if (!drawable(video)) {
            stopForGood(state, window.location.protocol === "file:" ? fromFileLines() : [TEXT.crossSite]);
            return;
        }
        attachMovie(state);
        checkHotSpots(state);
    }

    function bindSources(state) {
        var video = state.video;
        var check = function () {
            checkMovie(state);
        };
        video.addEventListener("loadedmetadata", check, false);
        video.addEventListener("loadeddata", check, false);
        video.addEventListener("canplay", check, false);
        /* A source that fails while the element picks one: when it was the last, none can play. */
        video.addEventListener("error", function (event) {
            var target = event.target;
            var sources;
            if (state.failed) {
                return;
            }
            if (target && target.tagName && target.tagName.toLowerCase() === "source") {
                addFailure(state, fileName(target.src) + TEXT.cannotDecode);
                sources = sourceList(video);
                if (sources[sources.length - 1] === target) {
                    showFailure(state);
                }
            } else if (video.error) {
                dropSource(state, fileName(video.currentSrc) + TEXT.cannotDecode);
            }
        }, true);
        video.addEventListener("seeked", function () {
            /* A seek and a loop may cross the window of a hot spot between two drawn frames. */
            checkHotSpots(state);
        }, false);
    }

    /* ---- control bar ---- */

    function twoDigits(value) {
        return (value < 10 ? "0" : "") + value;
    }

    function clockText(seconds) {
        var whole = isFinite(seconds) && seconds > 0 ? Math.floor(seconds) : 0;
        return twoDigits(Math.floor(whole / 60)) + ":" + twoDigits(whole % 60);
    }

    function setText(element, text) {
        if (element && element.tessalyText !== text) {
            element.tessalyText = text;
            element.textContent = text;
        }
    }

    /* Widths in hundredths of a percent; the text is made only when that changes. */
    function setWidthShare(element, share) {
        var step = Math.round(clamp(share, 0, 1) * 10000);
        if (element && element.tessalyShare !== step) {
            element.tessalyShare = step;
            put(element, "width", (step / 100).toFixed(2) + "%");
        }
    }

    function bufferedEnd(video) {
        var ranges = video.buffered;
        return ranges && ranges.length > 0 ? ranges.end(ranges.length - 1) : 0;
    }

    function knownDuration(video) {
        var duration = video.duration;
        return isFinite(duration) && duration > 0 ? duration : 0;
    }

    function updateControls(state) {
        var video = state.video;
        var duration = knownDuration(video);
        var bar = state.bar;
        if (!state.controls) {
            return;
        }
        if (Math.floor(video.currentTime) !== state.clock.time) {
            state.clock.time = Math.floor(video.currentTime);
            setText(bar.time, clockText(video.currentTime));
        }
        if (duration !== state.clock.duration) {
            state.clock.duration = duration;
            setText(bar.duration, clockText(duration));
            updateBuffered(state);
        }
        setWidthShare(bar.current, duration ? video.currentTime / duration : 0);
    }

    /* What is buffered changes only as the movie loads: read on its progress, not every frame. */
    function updateBuffered(state) {
        var duration = knownDuration(state.video);
        if (state.controls) {
            setWidthShare(state.bar.buffered, duration ? bufferedEnd(state.video) / duration : 0);
        }
    }

    function showPlaying(state) {
        if (state.bar.play) {
            state.bar.play.className = state.video.paused ? "play control" : "play control pause";
        }
    }

    /* The time window of each hot spot as a mark on the progress bar. */
    function markHotSpots(state) {
        var duration = knownDuration(state.video);
        var total = state.bar.total;
        var i;
        var spot;
        var mark;
        if (!total || !duration || state.marked === duration) {
            return;
        }
        state.marked = duration;
        for (i = 0; i < state.marks.length; i += 1) {
            total.removeChild(state.marks[i]);
        }
        state.marks = [];
        for (i = 0; i < state.spots.length; i += 1) {
            spot = state.spots[i];
            mark = make("div", "hs-mark", "");
            mark.style.left = (clamp(spot.start / duration, 0, 1) * 100).toFixed(2) + "%";
            mark.style.width = (clamp((spot.end - spot.start) / duration, 0, 1) * 100).toFixed(2) + "%";
            total.appendChild(mark);
            state.marks.push(mark);
        }
    }

    function seekAt(state, clientX) {
        var rect = state.bar.total.getBoundingClientRect();
        var duration = knownDuration(state.video);
        if (!duration || rect.width <= 0) {
            return;
        }
        state.video.currentTime = clamp((clientX - rect.left) / rect.width, 0, 1) * duration;
    }

    function bindSeeking(state) {
        var progress = byId("progress");
        var onTime = function (target) {
            return !!state.bar.clock && state.bar.clock.contains(target);
        };
        if (!progress || !state.bar.total) {
            return;
        }
        progress.addEventListener("mousedown", function (event) {
            if (event.button === 0 && !onTime(event.target)) {
                state.seeking = true;
                seekAt(state, event.clientX);
                event.preventDefault();
            }
        }, false);
        document.addEventListener("mousemove", function (event) {
            if (state.seeking) {
                seekAt(state, event.clientX);
            }
        }, false);
        document.addEventListener("mouseup", function () {
            state.seeking = false;
        }, false);
        progress.addEventListener("touchstart", function (event) {
            if (!onTime(event.target)) {
                state.seeking = true;
                seekAt(state, event.touches[0].clientX);
                event.preventDefault();
            }
        }, { passive: false });
        progress.addEventListener("touchmove", function (event) {
            if (state.seeking) {
                seekAt(state, event.touches[0].clientX);
                event.preventDefault();
            }
        }, { passive: false });
        progress.addEventListener("touchend", function () {
            state.seeking = false;
        }, false);
    }

    function bindVolume(state) {
        var step = function (n) {
            return function (event) {
                setVolumeStep(state, n);
                event.stopPropagation();
            };
        };
        var i;
        for (i = 0; i < state.volumeSteps.length; i += 1) {
            state.volumeSteps[i].addEventListener("click", step(i + 1), false);
        }
        state.video.addEventListener("volumechange", function () {
            showSound(state);
        }, false);
    }

    function onClick(element, action) {
        if (element) {
            element.addEventListener("click", action, false);
        }
    }

    function prepareControls(state) {
        var bar = byId("controls");
        var volumeList = byId("volume_display");
        var i;
        state.bar = {
            play: byId("play"), total: byId("total"), current: byId("current"), buffered: byId("buffered"),
            clock: byId("play_time"), time: byId("current_time_display"), duration: byId("duration_display")
        };
        if (volumeList) {
            state.volumeSteps = Array.prototype.slice.call(volumeList.getElementsByTagName("li"), 0, VOLUME_STEPS);
        }
        if (!bar) {
            return;
        }
        if (!state.config.controlBar) {
            hide(bar);
            for (i = 0; i < BUTTON_IDS.length; i += 1) {
                hide(byId(BUTTON_IDS[i]));
            }
            return;
        }
        state.controls = bar;
        for (i = 0; i < BUTTON_IDS.length; i += 1) {
            if (byId(BUTTON_IDS[i])) {
                state.buttons.push(byId(BUTTON_IDS[i]));
            }
        }
        onClick(state.bar.play, function () {
            togglePlay(state);
        });
        onClick(byId("full_screen"), function () {
            toggleFullScreen(state);
        });
        bindSeeking(state);
        state.video.addEventListener("play", function () {
            showPlaying(state);
        }, false);
        state.video.addEventListener("pause", function () {
            showPlaying(state);
        }, false);
        state.video.addEventListener("durationchange", function () {
            markHotSpots(state);
        }, false);
        ["progress", "loadeddata", "canplaythrough", "seeked", "emptied"].forEach(function (name) {
            state.video.addEventListener(name, function () {
                updateBuffered(state);
            }, false);
        });
        showPlaying(state);
        markHotSpots(state);
    }

    /* ---- overlays the viewer adds ---- */

    function prepareOverlays(state) {
        var body = document.body;
        state.about = byId("ab");
        state.title = byId("titlePN");
        state.muteOn = byId("muteON");
        state.muteOff = byId("muteOFF");
        state.note = make("div", "tessaly-note", "");
        state.note.appendChild(make("span", "", TEXT.tapForSound));
        state.tip = make("div", "tessaly-tip", "");
        state.cover = make("div", "tessaly-cover", "");
        state.coverText = make("div", "tessaly-text", "");
        state.cover.appendChild(make("div", "tessaly-sign", ""));
        state.cover.appendChild(state.coverText);
        state.tools = make("div", "tessaly-tools", "");
        hide(state.note);
        hide(state.tip);
        hide(state.cover);
        body.appendChild(state.note);
        body.appendChild(state.tip);
        body.appendChild(state.cover);
        body.appendChild(state.tools);
        state.cover.addEventListener("click", function () {
            if (state.coverKind === "play") {
                hideCover(state, "play");
                state.video.muted = false;
                startPlayback(state);
            }
        }, false);
    }

    function addTool(state, label, action) {
        var button = make("button", "tessaly-tool", label);
        button.type = "button";
        button.addEventListener("click", function (event) {
            action(button);
            event.stopPropagation();
        }, false);
        state.tools.appendChild(button);
        return button;
    }

    /* ---- device orientation ---- */

    function screenAngle() {
        var orientation = window.screen && window.screen.orientation;
        if (orientation && typeof orientation.angle === "number") {
            return orientation.angle;
        }
        return Number(window.orientation) || 0;
    }

    /* The view along the back of the device: alpha, beta and gamma as the W3C frame defines them. */
    function deviceView(motion, event) {
        var rad = THREE.MathUtils.degToRad;
        var forward = motion.forward;
        motion.euler.set(rad(event.beta || 0), rad(event.alpha || 0), rad(0 - (event.gamma || 0)), "YXZ");
        motion.quaternion.setFromEuler(motion.euler);
        motion.quaternion.multiply(motion.back);
        motion.quaternion.multiply(motion.turn.setFromAxisAngle(motion.zAxis, rad(0 - screenAngle())));
        forward.set(0, 0, -1).applyQuaternion(motion.quaternion);
        return {
            lon: THREE.MathUtils.radToDeg(Math.atan2(0 - forward.z, 0 - forward.x)),
            lat: THREE.MathUtils.radToDeg(Math.asin(clamp(forward.y, -1, 1)))
        };
    }

    function onOrientation(state, event) {
        var motion = state.motion;
        var view;
        if (!motion.on || event.alpha === null || event.beta === null) {
            return;
        }
        view = deviceView(motion, event);
        if (motion.offset === null) {
            /* The view stays where it was when the device takes over. */
            motion.offset = state.lon - view.lon;
        }
        setView(state, view.lon + motion.offset, view.lat, state.fov);
    }

    function switchMotion(state, button) {
        var motion = state.motion;
        var ask = window.DeviceOrientationEvent.requestPermission;
        var turnOn = function () {
            motion.on = true;
            motion.offset = null;
            button.textContent = TEXT.motionOff;
        };
        if (motion.on) {
            motion.on = false;
            button.textContent = TEXT.motionOn;
            return;
        }
        if (typeof ask === "function") {
            /* Safari asks the reader first, and only from a tap. */
            settle(ask.call(window.DeviceOrientationEvent).then(function (answer) {
                if (answer === "granted") {
                    turnOn();
                }
            }));
        } else {
            turnOn();
        }
    }

    function prepareMotion(state) {
        var touch = navigator.maxTouchPoints > 0 || "ontouchstart" in window;
        if (!window.DeviceOrientationEvent || !touch) {
            return;
        }
        state.motion = {
            on: false, offset: null, euler: new THREE.Euler(), quaternion: new THREE.Quaternion(),
            turn: new THREE.Quaternion(), back: new THREE.Quaternion(0 - Math.sqrt(0.5), 0, 0, Math.sqrt(0.5)),
            zAxis: new THREE.Vector3(0, 0, 1), forward: new THREE.Vector3()
        };
        addTool(state, TEXT.motionOn, function (button) {
            switchMotion(state, button);
        });
        window.addEventListener("deviceorientation", function (event) {
            onOrientation(state, event);
        }, false);
    }

    /* ---- WebXR ---- */

    /* A square facing the centre, upright, at the direction of the hot spot. */
    function spriteMesh(renderer, direction) {
        var centre = direction.clone().multiplyScalar(SPHERE_RADIUS * 0.8);
        var half = SPRITE_SIZE / 2;
        var right = new THREE.Vector3(0 - direction.z, 0, direction.x).normalize().multiplyScalar(half);
        var corner = function (across, up) {
            return [centre.x + across * right.x, centre.y + up * half, centre.z + across * right.z];
        };
        var points = [].concat(corner(-1, 1), [0, 0], corner(1, 1), [1, 0], corner(1, -1), [1, 1], corner(-1, -1), [0, 1]);
        return uploadMesh(renderer, { points: points, indices: [0, 1, 2, 0, 2, 3], vertices: 4 });
    }

    function iconTexture(renderer, icon) {
        var gl = renderer.gl;
        var texture = newTexture(renderer);
        var upload = function () {
            bindTexture(renderer, texture);
            gl.texImage2D(gl.TEXTURE_2D, 0, gl.RGBA, gl.RGBA, gl.UNSIGNED_BYTE, icon);
        };
        if (icon.complete && icon.naturalWidth > 0) {
            upload();
        } else {
            icon.addEventListener("load", upload, false);
        }
        return texture;
    }

    function addSprites(state) {
        var i;
        var spot;
        for (i = 0; i < state.spots.length; i += 1) {
            spot = state.spots[i];
            if (!spot.sprite) {
                spot.sprite = { mesh: spriteMesh(state.renderer, spot.direction),
                    texture: iconTexture(state.renderer, spot.icon), visible: false };
            }
        }
    }

    /* A select in the headset opens the shown hot spot nearest the gaze. */
    function pickInVr(state) {
        var turn = state.xrGaze;
        var gaze = new THREE.Vector3(0, 0, -1);
        var best = null;
        var i;
        var angle;
        if (!turn) {
            return;
        }
        gaze.applyQuaternion(new THREE.Quaternion(turn.x, turn.y, turn.z, turn.w));
        gaze.applyMatrix4(new THREE.Matrix4().copy(state.world).transpose());
        for (i = 0; i < state.spots.length; i += 1) {
            angle = state.spots[i].direction.angleTo(gaze);
            if (state.spots[i].sprite && state.spots[i].sprite.visible && angle < VR_PICK_ANGLE) {
                best = state.spots[i];
            }
        }
        if (best) {
            state.xrSession.end();
            openHotSpot(state, best.index);
        }
    }

    /* Each eye sees the movie and the shown hot spots, drawn into the frame buffer of the headset. */
    function renderXr(state) {
        var renderer = state.renderer;
        var gl = renderer.gl;
        var layer = state.xrSession.renderState.baseLayer;
        var views = state.xrPose.views;
        var i;
        var j;
        var port;
        var sprite;
        var time = state.video.currentTime;
        uploadFrame(state);
        /* Checked before drawing, so a hot spot is in the very frame its window opens. */
        for (j = 0; j < state.spots.length; j += 1) {
            sprite = state.spots[j].sprite;
            if (sprite) {
                sprite.visible = inWindow(state.spots[j], time);
            }
        }
        gl.bindFramebuffer(gl.FRAMEBUFFER, layer.framebuffer);
        gl.clear(gl.COLOR_BUFFER_BIT);
        for (i = 0; i < views.length; i += 1) {
            port = layer.getViewport(views[i]);
            setViewport(renderer, port.x, port.y, port.width, port.height);
            state.xrProjection.fromArray(views[i].projectionMatrix);
            state.xrView.fromArray(views[i].transform.inverse.matrix);
            renderer.product.multiplyMatrices(state.xrProjection, state.xrView).multiply(state.world);
            if (state.ready) {
                drawMesh(renderer, renderer.mesh, renderer.movie, renderer.product);
            }
            gl.enable(gl.BLEND);
            for (j = 0; j < state.spots.length; j += 1) {
                sprite = state.spots[j].sprite;
                if (sprite && sprite.visible) {
                    drawMesh(renderer, sprite.mesh, sprite.texture, renderer.product);
                }
            }
            gl.disable(gl.BLEND);
        }
        state.xrGaze = state.xrPose.transform.orientation;
    }

    function stopVr(state) {
        var i;
        state.xrSession = null;
        state.xrPose = null;
        state.xrGaze = null;
        state.renderer.gl.bindFramebuffer(state.renderer.gl.FRAMEBUFFER, null);
        state.world.identity();
        for (i = 0; i < state.spots.length; i += 1) {
            if (state.spots[i].sprite) {
                state.spots[i].sprite.visible = false;
            }
        }
        state.vrButton.textContent = TEXT.enterVr;
        followWindow(state);
    }

    /* The frame loop of the page rests while the headset asks for frames. */
    function runXrFrames(state, session, space) {
        var step = function (time, frame) {
            if (state.xrSession !== session) {
                return;
            }
            session.requestAnimationFrame(step);
            state.xrPose = frame.getViewerPose(space);
            if (state.xrPose) {
                draw(state);
            }
        };
        session.requestAnimationFrame(step);
    }

    function startVr(state, session) {
        var gl = state.renderer.gl;
        var compatible = typeof gl.makeXRCompatible === "function" ? gl.makeXRCompatible() : Promise.resolve();
        state.xrSession = session;
        /* The headset starts facing the direction the page view faced. */
        state.world.makeRotationY(THREE.MathUtils.degToRad(state.lon - 90));
        addSprites(state);
        state.vrButton.textContent = TEXT.exitVr;
        session.addEventListener("end", function () {
            stopVr(state);
        });
        session.addEventListener("select", function () {
            pickInVr(state);
        });
        settle(compatible.then(function () {
            session.updateRenderState({ baseLayer: new XRWebGLLayer(session, gl), depthNear: 1, depthFar: 2 * SPHERE_RADIUS });
            return session.requestReferenceSpace("local");
        }).then(function (space) {
            runXrFrames(state, session, space);
        }, function () {
            settle(session.end());
        }));
    }

    function toggleVr(state) {
        if (state.xrSession) {
            settle(state.xrSession.end());
            return;
        }
        settle(navigator.xr.requestSession("immersive-vr", { optionalFeatures: ["local-floor"] }).then(function (session) {
            startVr(state, session);
        }));
    }

    function prepareVr(state) {
        var xr = navigator.xr;
        if (!xr || typeof xr.isSessionSupported !== "function") {
            return;
        }
        settle(xr.isSessionSupported("immersive-vr").then(function (supported) {
            if (supported) {
                state.vrButton = addTool(state, TEXT.enterVr, function () {
                    toggleVr(state);
                });
            }
        }));
    }

    /* ---- statistics ---- */

    function prepareStats(state) {
        var monitor;
        var element;
        if (!state.config.stats || typeof Stats !== "function") {
            return;
        }
        monitor = new Stats();
        element = monitor.dom || monitor.domElement;
        if (element) {
            placeBox(element, MARGIN, 4 * MARGIN + ABOUT_SIZE + MUTE_SIZE, null, null);
            element.style.zIndex = "10";
            state.container.appendChild(element);
        }
        state.stats = monitor;
    }

    function tickStats(state) {
        if (state.stats && typeof state.stats.update === "function") {
            state.stats.update();
        }
    }

    /* ---- frames ---- */

    /*
     * A frame is drawn again only when the picture can differ: the view or the size
     * changed, or the movie has a new frame. A paused movie costs next to nothing.
     */
    function pictureChanged(state) {
        if (state.dirty || state.xrSession) {
            return true;
        }
        return state.ready && newFrame(state);
    }

    function renderPage(state) {
        var renderer = state.renderer;
        var gl = renderer.gl;
        aimCamera(state);
        uploadFrame(state);
        setViewport(renderer, 0, 0, renderer.canvas.width, renderer.canvas.height);
        gl.clear(gl.COLOR_BUFFER_BIT);
        if (state.ready) {
            /* The world turns only in the headset: here projection and view are the whole matrix. */
            drawMesh(renderer, renderer.mesh, renderer.movie, state.camera.both);
        }
    }

    function draw(state) {
        if (pictureChanged(state)) {
            state.dirty = false;
            if (state.xrSession) {
                renderXr(state);
            } else {
                renderPage(state);
            }
            state.renders += 1;
        }
        updateHotSpots(state);
        updateControls(state);
        tickStats(state);
        state.frames += 1;
        if (state.afterDraw) {
            state.afterDraw();
        }
    }

    /* OS_FPS caps the frames drawn per second. */
    function frameDue(state, time) {
        var interval = state.config.fps > 0 ? 1000 / state.config.fps : 0;
        if (time - state.lastDraw < interval * 0.9) {
            return false;
        }
        state.lastDraw = time;
        return true;
    }

    /*
     * Under a low cap most animation frames would draw nothing, yet each costs the
     * page a rendering update: a timer sleeps until about half a display frame
     * before the next frame is due.
     */
    function loop(state) {
        var interval = state.config.fps > 0 ? 1000 / state.config.fps : 0;
        var request = function () {
            window.requestAnimationFrame(step);
        };
        var step = function (time) {
            var at = typeof time === "number" ? time : now();
            var sleep;
            if (!state.xrSession && frameDue(state, at)) {
                advancePan(state, at);
                draw(state);
            }
            sleep = state.lastDraw + interval * 0.9 - now() - DISPLAY_FRAME / 2;
            if (sleep >= DISPLAY_FRAME / 2) {
                window.setTimeout(request, sleep);
            } else {
                request();
            }
        };
        request();
    }

    /* ---- page events ---- */

    function onPage(name, action) {
        document.addEventListener("tessaly:" + name, function (event) {
            action(event.detail);
        }, false);
    }

    function bindHandlers(state) {
        var n;
        var hotSpotAction = function (index) {
            return function () {
                openHotSpot(state, index);
            };
        };
        var pan = function (lonSpeed, latSpeed) {
            return function () {
                setPan(state, lonSpeed, latSpeed);
            };
        };
        for (n = 1; n <= ICON_COUNT; n += 1) {
            onPage("cHS" + n, hotSpotAction(n - 1));
        }
        onPage("cLeft", pan(0 - PAN_SPEED, 0));
        onPage("cRight", pan(PAN_SPEED, 0));
        onPage("cUp", pan(0, PAN_SPEED));
        onPage("cDown", pan(0, 0 - PAN_SPEED));
        onPage("cStop", pan(0, 0));
        onPage("cZoomIn", function () {
            zoomBy(state, 0 - ZOOM_STEP);
        });
        onPage("cZoomOut", function () {
            zoomBy(state, ZOOM_STEP);
        });
        onPage("cRestart", function () {
            restart(state);
        });
        onPage("cMuteON", function () {
            setMuted(state, true);
        });
        onPage("cMuteOFF", function () {
            setMuted(state, false);
        });
        onPage("cTitle", function () {
            hide(state.title);
            state.title = null;
        });
        onPage("fullScreenOn", function () {
            followWindow(state);
        });
        window.addEventListener("resize", function () {
            followWindow(state);
        }, false);
    }

    /*
     * Test hook: only a page that sets window.__tessalyTestHook before the
     * scripts run gets window.__tessaly, with read-only state, a pixel probe
     * and a call after every frame. frames counts the frames the cap lets
     * through (hot spots and bar checked); renders those drawn on the canvas.
     */
    function exposeTestHook(state) {
        var listeners = [];
        if (window.__tessalyTestHook !== true) {
            return;
        }
        state.afterDraw = function () {
            var i;
            for (i = 0; i < listeners.length; i += 1) {
                listeners[i]();
            }
        };
        window.__tessaly = {
            state: function () {
                return {
                    lon: state.lon, lat: state.lat, fov: state.fov, frames: state.frames, renders: state.renders,
                    left: state.box.left, top: state.box.top, width: state.box.width, height: state.box.height,
                    time: state.video.currentTime, paused: state.video.paused, muted: state.video.muted,
                    volume: state.video.volume, readyState: state.video.readyState, ready: state.ready,
                    cylinder: state.cylinder, reach: state.reach, filled: state.filled,
                    maxTextureSize: state.maxTextureSize
                };
            },
            /* Draws now and reads the canvas pixel at (x, y) in CSS pixels from its top left. */
            sample: function (x, y) {
                var gl = state.renderer.gl;
                var ratio = state.renderer.ratio;
                var pixel = new Uint8Array(4);
                state.dirty = true;
                draw(state);
                gl.readPixels(Math.floor(x * ratio), Math.floor((state.box.height - y) * ratio) - 1, 1, 1,
                    gl.RGBA, gl.UNSIGNED_BYTE, pixel);
                return [pixel[0], pixel[1], pixel[2], pixel[3]];
            },
            afterDraw: function (listener) {
                listeners.push(listener);
            }
        };
    }

    function maxTextureSize(renderer) {
        var limit = renderer.gl.getParameter(renderer.gl.MAX_TEXTURE_SIZE);
        var forced = window.__tessalyMaxTextureSize;
        /* Tests stand in for a small device. */
        if (window.__tessalyTestHook === true && typeof forced === "number" && forced > 0) {
            return forced;
        }
        return limit;
    }

    /* Without WebGL nothing can be drawn: the poster says why, and the movie stays silent. */
    function cannotDraw(state) {
        prepareOverlays(state);
        followWindow(state);
        window.addEventListener("resize", function () {
            followWindow(state);
        }, false);
        stopForGood(state, [TEXT.noWebGl]);
    }

    function start() {
        var config = readConfig();
        var video = byId("video");
        var container = byId("container");
        var state;
        if (!video || !container || typeof THREE === "undefined") {
            return;
        }
        state = {
            config: config, video: video, container: container,
            box: { left: 0, top: 0, width: config.width, height: config.height },
            lon: 0, lat: 0, fov: config.fov, drag: null, pinch: null, frames: 0, renders: 0, lastDraw: -Infinity,
            dirty: true, fresh: false, drawn: { stamp: -1 },
            pan: { lon: 0, lat: 0, last: now() }, filled: false, seeking: false,
            cylinder: false, aspect: 2, reach: 90, ready: false, failed: false, failures: [],
            controls: null, bar: {}, buttons: [], volumeSteps: [], marks: [], marked: 0,
            stats: null, spots: [], icons: [], marker: null, focused: null, coverKind: "",
            spotsStale: true, anyShown: null, projected: { x: 0, y: 0 }, clock: { time: -1, duration: -1 },
            motion: null, xrSession: null, xrPose: null, xrGaze: null, vrButton: null, afterDraw: null
        };
        state.renderer = buildRenderer(config);
        if (!state.renderer) {
            cannotDraw(state);
            return;
        }
        state.maxTextureSize = maxTextureSize(state.renderer);
        /* The world turns only in the headset. */
        state.world = new THREE.Matrix4();
        state.xrProjection = new THREE.Matrix4();
        state.xrView = new THREE.Matrix4();
        state.camera = {
            lon: NaN, lat: NaN, fov: 0, aspect: 0, projection: new THREE.Matrix4(), view: new THREE.Matrix4(), both: new THREE.Matrix4(),
            origin: new THREE.Vector3(), up: new THREE.Vector3(0, 1, 0)
        };
        state.target = new THREE.Vector3();
        state.scratch = new THREE.Vector3();
        useGeometry(state);
        watchFrames(state);
        container.appendChild(state.renderer.canvas);
        setView(state, config.lon, config.lat, config.fov);
        prepareOverlays(state);
        prepareControls(state);
        prepareStats(state);
        prepareHotSpots(state);
        followWindow(state);
        bindPointer(state);
        bindKeys(state);
        bindFullScreen(state);
        bindHandlers(state);
        bindSources(state);
        bindVolume(state);
        bindSoundNote(state);
        prepareMotion(state);
        prepareVr(state);
        video.loop = true;
        video.volume = config.volume;
        video.setAttribute("playsinline", "");
        video.setAttribute("webkit-playsinline", "");
        showSound(state);
        exposeTestHook(state);
        startPlayback(state);
        checkMovie(state);
        loop(state);
    }

    start();
}());

/*
 * The 360-degree video viewer. It reads the globals of the configuration script once,
 * keeps everything it knows in one state object and draws the movie on the
 * inside of a sphere with three.js. Handlers of the page reach it through the
 * tessaly: document events that cn1.js sends.
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
    var MARKER_MARGIN = 8;
    /* Degrees per dragged pixel are mousespeed times this. */
    var DRAG_GAIN = 5;
    /* Degrees of field of view per wheel pixel. */
    var WHEEL_GAIN = 0.05;
    var WHEEL_LINE = 16;

    var viewer = null;

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
            minimalBar: numberSetting("OS_CONTROL", 0) === 1,
            alignX: textSetting("OS_WIN_POS_W", "left"),
            alignY: textSetting("OS_WIN_POS_H", "top"),
            fullScreen: numberSetting("OS_FULL_SCREEN", 0) === 1,
            barLift: numberSetting("posY", 0),
            hotSpots: readHotSpots()
        };
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

    function latLimit(config) {
        return config.mode === 0 ? Math.min(config.vertmax, POLE_LIMIT) : POLE_LIMIT;
    }

    /* In Black Areas mode the movie covers only the band within vertmax. */
    function buildSphere(config, texture) {
        var band = config.mode === 1 ? config.vertmax : 90;
        var bandRad = THREE.MathUtils.degToRad(band);
        var geometry = new THREE.SphereGeometry(SPHERE_RADIUS, config.segmentsWidth, config.segmentsHeight,
            0, 2 * Math.PI, Math.PI / 2 - bandRad, 2 * bandRad);
        geometry.scale(-1, 1, 1);
        return new THREE.Mesh(geometry, new THREE.MeshBasicMaterial({ map: texture }));
    }

    function buildTexture(video) {
        var texture = new THREE.VideoTexture(video);
        texture.colorSpace = THREE.SRGBColorSpace;
        texture.minFilter = THREE.LinearFilter;
        texture.magFilter = THREE.LinearFilter;
        texture.generateMipmaps = false;
        return texture;
    }

    function buildRenderer(config) {
        var renderer = new THREE.WebGLRenderer({ antialias: false });
        renderer.setPixelRatio(Math.min(window.devicePixelRatio || 1, 2));
        if ("outputColorSpace" in renderer) {
            renderer.outputColorSpace = THREE.SRGBColorSpace;
        }
        renderer.setClearColor(new THREE.Color(config.clearColour), 1);
        return renderer;
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

    function placeBox(element, left, top, width, height) {
        element.style.position = "absolute";
        element.style.left = left + "px";
        element.style.top = top + "px";
        if (width !== null) {
            element.style.width = width + "px";
        }
        if (height !== null) {
            element.style.height = height + "px";
        }
    }

    /* Height the control bar takes below the viewer; posY lifts it onto the picture. */
    function barSpace(state) {
        if (!state.controls) {
            return 0;
        }
        return Math.max(0, state.controls.offsetHeight - state.config.barLift);
    }

    function layout(state) {
        var page = windowSize();
        var box = state.box;
        box.left = aligned(page.width - box.width, state.config.alignX, "right");
        box.top = aligned(page.height - box.height - barSpace(state), state.config.alignY, "bottom");
        placeBox(state.container, box.left, box.top, box.width, box.height);
        state.renderer.setSize(box.width, box.height);
        state.camera.aspect = box.width / box.height;
        state.camera.updateProjectionMatrix();
        if (state.controls) {
            placeBox(state.controls, box.left, box.top + box.height - state.config.barLift, box.width, null);
        }
    }

    /* In full-screen mode the viewer follows the browser window. */
    function followWindow(state) {
        var page;
        if (state.config.fullScreen) {
            page = windowSize();
            state.box.width = Math.max(1, page.width);
            state.box.height = Math.max(1, page.height);
        }
        layout(state);
    }

    /* ---- view ---- */

    function normalisedLon(lon) {
        return ((lon % 360) + 360) % 360;
    }

    function setView(state, lon, lat, fov) {
        var limit = latLimit(state.config);
        state.lon = normalisedLon(lon);
        state.lat = clamp(lat, -limit, limit);
        state.fov = clamp(fov, MIN_FOV, MAX_FOV);
    }

    function aimCamera(state) {
        var camera = state.camera;
        directionOf(columnOfView(state.lon), state.lat, state.target);
        if (camera.fov !== state.fov) {
            camera.fov = state.fov;
            camera.updateProjectionMatrix();
        }
        camera.lookAt(state.target);
        camera.updateMatrixWorld();
    }

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

    function zoomBy(state, degrees) {
        setView(state, state.lon, state.lat, state.fov + degrees);
    }

    function wheelDegrees(event) {
        var delta = event.deltaY || 0;
        return delta * WHEEL_GAIN * (event.deltaMode === 1 ? WHEEL_LINE : 1);
    }

    function bindPointer(state) {
        var canvas = state.renderer.domElement;
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
            var touch = event.touches[0];
            startDrag(state, touch.clientX, touch.clientY);
        }, false);
        canvas.addEventListener("touchmove", function (event) {
            var touch = event.touches[0];
            moveDrag(state, touch.clientX, touch.clientY);
            event.preventDefault();
        }, { passive: false });
        canvas.addEventListener("touchend", function () {
            endDrag(state);
        }, false);
        canvas.addEventListener("wheel", function (event) {
            zoomBy(state, wheelDegrees(event));
            event.preventDefault();
        }, { passive: false });
    }

    /* ---- hot spots ---- */

    function showAt(element, left, top) {
        element.style.position = "absolute";
        element.style.left = Math.round(left) + "px";
        element.style.top = Math.round(top) + "px";
        element.style.display = "block";
    }

    function hide(element) {
        element.style.display = "none";
    }

    function iconSize(element) {
        return { width: element.offsetWidth || ICON_SIZE, height: element.offsetHeight || ICON_SIZE };
    }

    function prepareHotSpots(state) {
        var index;
        var icon;
        var spot;
        state.icons = [];
        for (index = 0; index < ICON_COUNT; index += 1) {
            icon = document.getElementById("hs" + (index + 1));
            state.icons.push(icon);
            if (icon) {
                hide(icon);
                icon.style.zIndex = "10";
            }
        }
        state.spots = [];
        for (index = 0; index < state.config.hotSpots.length; index += 1) {
            spot = state.config.hotSpots[index];
            spot.direction = directionOf(spot.column, 0, new THREE.Vector3());
            spot.icon = state.icons[spot.index];
            if (spot.icon) {
                /* An attribute set this way is text, never markup. */
                spot.icon.setAttribute("title", spot.title);
                state.spots.push(spot);
            }
        }
        state.marker = document.getElementById("check_hs");
        if (state.marker) {
            hide(state.marker);
            state.marker.style.zIndex = "10";
        }
    }

    /* Canvas coordinates of a direction, or null when it is behind the camera or off the canvas. */
    function projectDirection(state, direction) {
        var box = state.box;
        var point = state.scratch;
        var x;
        var y;
        state.camera.getWorldDirection(point);
        if (point.dot(direction) <= 0) {
            return null;
        }
        point.copy(direction).multiplyScalar(SPHERE_RADIUS).project(state.camera);
        x = (point.x + 1) / 2 * box.width;
        y = (1 - point.y) / 2 * box.height;
        if (x < 0 || x > box.width || y < 0 || y > box.height) {
            return null;
        }
        return { x: x, y: y };
    }

    function updateHotSpots(state) {
        var time = state.video.currentTime;
        var anyShown = false;
        var index;
        var spot;
        var at;
        var size;
        for (index = 0; index < state.spots.length; index += 1) {
            spot = state.spots[index];
            at = null;
            if (time >= spot.start && time <= spot.end) {
                anyShown = true;
                at = projectDirection(state, spot.direction);
            }
            if (at) {
                size = iconSize(spot.icon);
                showAt(spot.icon, state.box.left + at.x - size.width / 2, state.box.top + at.y - size.height / 2);
            } else {
                hide(spot.icon);
            }
        }
        if (state.marker) {
            if (anyShown) {
                size = iconSize(state.marker);
                showAt(state.marker, state.box.left + state.box.width - size.width - MARKER_MARGIN,
                    state.box.top + MARKER_MARGIN);
            } else {
                hide(state.marker);
            }
        }
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

    /* ---- video ---- */

    function playVideo(video) {
        var started = video.play();
        if (started && typeof started.then === "function") {
            started.then(null, function () {
                /* Autoplay with sound was refused: browsers allow it muted. */
                var retry;
                video.muted = true;
                retry = video.play();
                if (retry && typeof retry.then === "function") {
                    retry.then(null, function () {
                        return null;
                    });
                }
            });
        }
    }

    function prepareVideo(state) {
        var video = state.video;
        video.loop = true;
        video.volume = state.config.volume;
        video.setAttribute("playsinline", "");
        video.setAttribute("webkit-playsinline", "");
        playVideo(video);
    }

    /* ---- control bar ---- */

    function twoDigits(value) {
        return (value < 10 ? "0" : "") + value;
    }

    function clockText(seconds) {
        var whole = isFinite(seconds) && seconds > 0 ? Math.floor(seconds) : 0;
        return twoDigits(Math.floor(whole / 60)) + ":" + twoDigits(whole % 60);
    }

    function setText(id, text) {
        var element = document.getElementById(id);
        if (element && element.textContent !== text) {
            element.textContent = text;
        }
    }

    function setWidthShare(id, share) {
        var element = document.getElementById(id);
        if (element) {
            element.style.width = (clamp(share, 0, 1) * 100).toFixed(2) + "%";
        }
    }

    function bufferedEnd(video) {
        var ranges = video.buffered;
        return ranges && ranges.length > 0 ? ranges.end(ranges.length - 1) : 0;
    }

    function updateControls(state) {
        var video = state.video;
        var duration = video.duration;
        var known = isFinite(duration) && duration > 0;
        if (!state.controls) {
            return;
        }
        setText("current_time_display", clockText(video.currentTime));
        setText("duration_display", clockText(known ? duration : 0));
        setWidthShare("current", known ? video.currentTime / duration : 0);
        setWidthShare("buffered", known ? bufferedEnd(video) / duration : 0);
    }

    function showPlaying(state) {
        var button = document.getElementById("play");
        if (button) {
            button.className = state.video.paused ? "play control" : "play control pause";
        }
    }

    function hideById(id) {
        var element = document.getElementById(id);
        if (element) {
            hide(element);
        }
    }

    function togglePlay(state) {
        if (state.video.paused) {
            playVideo(state.video);
        } else {
            state.video.pause();
        }
    }

    function prepareControls(state) {
        var bar = document.getElementById("controls");
        var button = document.getElementById("play");
        if (!bar) {
            return;
        }
        if (!state.config.controlBar) {
            bar.style.display = "none";
            return;
        }
        state.controls = bar;
        if (state.config.minimalBar) {
            /* A narrow viewer keeps only play, progress and full screen. */
            hideById("play_time");
            hideById("volume");
        }
        if (button) {
            button.addEventListener("click", function () {
                togglePlay(state);
            }, false);
        }
        state.video.addEventListener("play", function () {
            showPlaying(state);
        }, false);
        state.video.addEventListener("pause", function () {
            showPlaying(state);
        }, false);
        showPlaying(state);
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
            placeBox(element, 0, 0, null, null);
            element.style.zIndex = "10";
            state.container.appendChild(element);
        }
        state.stats = monitor;
    }

    function tickStats(state) {
        if (!state.stats) {
            return;
        }
        if (typeof state.stats.update === "function") {
            state.stats.update();
        }
    }

    /* ---- frames ---- */

    function draw(state) {
        aimCamera(state);
        state.renderer.render(state.scene, state.camera);
        updateHotSpots(state);
        updateControls(state);
        tickStats(state);
        state.frames += 1;
    }

    /* OS_FPS caps the frames drawn per second. */
    function frameDue(state, now) {
        var interval = state.config.fps > 0 ? 1000 / state.config.fps : 0;
        if (now - state.lastDraw < interval * 0.9) {
            return false;
        }
        state.lastDraw = now;
        return true;
    }

    function loop(state) {
        var step = function (now) {
            window.requestAnimationFrame(step);
            if (frameDue(state, typeof now === "number" ? now : Date.now())) {
                draw(state);
            }
        };
        window.requestAnimationFrame(step);
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
        for (n = 1; n <= ICON_COUNT; n += 1) {
            onPage("cHS" + n, hotSpotAction(n - 1));
        }
        onPage("fullScreenOn", function () {
            followWindow(state);
        });
        window.addEventListener("resize", function () {
            followWindow(state);
        }, false);
    }

    /*
     * Test hook: only a page that sets window.__tessalyTestHook before the
     * scripts run gets window.__tessaly, with read-only state and a pixel probe.
     */
    function exposeTestHook(state) {
        if (window.__tessalyTestHook !== true) {
            return;
        }
        window.__tessaly = {
            state: function () {
                return {
                    lon: state.lon, lat: state.lat, fov: state.fov, frames: state.frames,
                    left: state.box.left, top: state.box.top, width: state.box.width, height: state.box.height,
                    time: state.video.currentTime, paused: state.video.paused, muted: state.video.muted,
                    volume: state.video.volume, readyState: state.video.readyState
                };
            },
            /* Draws now and reads the canvas pixel at (x, y) in CSS pixels from its top left. */
            sample: function (x, y) {
                var gl = state.renderer.getContext();
                var ratio = state.renderer.getPixelRatio();
                var pixel = new Uint8Array(4);
                draw(state);
                gl.readPixels(Math.floor(x * ratio), Math.floor((state.box.height - y) * ratio) - 1, 1, 1,
                    gl.RGBA, gl.UNSIGNED_BYTE, pixel);
                return [pixel[0], pixel[1], pixel[2], pixel[3]];
            }
        };
    }

    function start() {
        var config = readConfig();
        var video = document.getElementById("video");
        var container = document.getElementById("container");
        var state;
        if (!video || !container || typeof THREE === "undefined") {
            return;
        }
        state = {
            config: config, video: video, container: container,
            box: { left: 0, top: 0, width: config.width, height: config.height },
            lon: 0, lat: 0, fov: config.fov, drag: null, frames: 0, lastDraw: -Infinity,
            controls: null, stats: null, spots: [], icons: [], marker: null
        };
        state.renderer = buildRenderer(config);
        state.scene = new THREE.Scene();
        state.camera = new THREE.PerspectiveCamera(config.fov, config.width / config.height, 1, SPHERE_RADIUS * 2);
        state.target = new THREE.Vector3();
        state.scratch = new THREE.Vector3();
        state.scene.add(buildSphere(config, buildTexture(video)));
        container.appendChild(state.renderer.domElement);
        setView(state, config.lon, config.lat, config.fov);
        prepareControls(state);
        prepareStats(state);
        prepareHotSpots(state);
        followWindow(state);
        bindPointer(state);
        bindHandlers(state);
        prepareVideo(state);
        viewer = state;
        exposeTestHook(viewer);
        loop(viewer);
    }

    start();
}());

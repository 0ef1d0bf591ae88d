// The static files of a published page: the template the publisher fills in,
// the images it writes beside it, the style sheet, the frame fallback and the
// third-party bundles. Run with `node --test`.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, existsSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import vm from 'node:vm';

const web = join(dirname(fileURLToPath(import.meta.url)), '..', '..', 'web');
const read = (p) => readFileSync(join(web, p));
const template = read('template/page.html').toString('utf8');

const TITLE_MARK = 'S'.repeat(30);
const VIDEO_MARK = 'X'.repeat(30);
const BG_MARK = 'bgcolor=#000000';

function count(text, part) {
    return text.split(part).length - 1;
}

// Every start tag that carries an id, with its attributes.
function tagsById(html) {
    const tags = new Map();
    for (const m of html.matchAll(/<([a-zA-Z]+)\s([^>]*\bid="([^"]+)"[^>]*)>/g)) {
        const attrs = { tag: m[1].toLowerCase() };
        for (const a of m[2].matchAll(/([a-zA-Z-]+)(?:="([^"]*)")?/g)) attrs[a[1].toLowerCase()] = a[2] ?? '';
        assert.ok(!tags.has(m[3]), `id ${m[3]} appears twice`);
        tags.set(m[3], attrs);
    }
    return tags;
}

// --- image headers ------------------------------------------------------------

function pngSize(b) {
    assert.equal(b.subarray(0, 8).toString('hex'), '89504e470d0a1a0a', 'PNG signature');
    assert.equal(b.subarray(12, 16).toString('latin1'), 'IHDR');
    return { width: b.readUInt32BE(16), height: b.readUInt32BE(20) };
}

function jpegSize(b) {
    assert.equal(b.readUInt16BE(0), 0xffd8, 'JPEG start of image');
    let at = 2;
    while (at + 9 < b.length) {
        assert.equal(b[at], 0xff, `JPEG marker expected at ${at}`);
        const marker = b[at + 1];
        const isFrame = marker >= 0xc0 && marker <= 0xcf && ![0xc4, 0xc8, 0xcc].includes(marker);
        if (isFrame) return { width: b.readUInt16BE(at + 7), height: b.readUInt16BE(at + 5) };
        at += 2 + b.readUInt16BE(at + 2);
    }
    throw new Error('JPEG without a frame header');
}

// Walks the GIF blocks: screen size, the frames and each frame's delay.
function gifInfo(b) {
    assert.match(b.subarray(0, 6).toString('latin1'), /^GIF8[79]a$/);
    const info = { width: b.readUInt16LE(6), height: b.readUInt16LE(8), delays: [], loops: false };
    let at = 13;
    if (b[10] & 0x80) at += 3 << ((b[10] & 7) + 1);
    let delay = 0;
    const skipSubBlocks = () => {
        while (b[at] !== 0) at += b[at] + 1;
        at += 1;
    };
    for (;;) {
        assert.ok(at < b.length, 'GIF ends without a trailer');
        const kind = b[at];
        if (kind === 0x3b) return info;
        if (kind === 0x21) {
            const label = b[at + 1];
            if (label === 0xf9) delay = b.readUInt16LE(at + 4);
            if (label === 0xff && b.subarray(at + 3, at + 14).toString('latin1') === 'NETSCAPE2.0') info.loops = true;
            at += 2;
            skipSubBlocks();
        } else if (kind === 0x2c) {
            const flags = b[at + 9];
            at += 10;
            if (flags & 0x80) at += 3 << ((flags & 7) + 1);
            at += 1; // LZW minimum code size
            skipSubBlocks();
            info.delays.push(delay);
            delay = 0;
        } else {
            throw new Error(`unknown GIF block 0x${kind.toString(16)} at ${at}`);
        }
    }
}

function imageSize(name, bytes) {
    if (name.endsWith('.png')) return pngSize(bytes);
    if (name.endsWith('.gif')) return gifInfo(bytes);
    if (name.endsWith('.jpg')) return jpegSize(bytes);
    throw new Error(`unexpected image type: ${name}`);
}

// --- template -------------------------------------------------------------------

test('template markers, line ends and ending', () => {
    for (const mark of [TITLE_MARK, VIDEO_MARK, BG_MARK]) assert.equal(count(template, mark), 1, mark);
    assert.match(template, new RegExp(`<title>${TITLE_MARK}</title>`));
    assert.match(template, new RegExp(`<video [^>]*>\\n[ \\t]+${VIDEO_MARK}\\n[^]*</video>`));
    assert.ok(!template.includes('\r'), 'LF line ends only');
    assert.ok(template.endsWith('\n</body>\n'), 'ends with </body> and one LF');
    assert.ok(!/<\/html>/i.test(template), 'no closing html tag');

    // What the publisher writes for a black page: the colour, its space and the template's own.
    const body = template.replace(BG_MARK, "bgcolor='#000000' ").match(/<body[^>]*>/)[0];
    assert.match(body, /^<body bgcolor='#000000' {2}style="overflow:hidden"/);
    for (const h of ['onselectstart', 'oncopy', 'oncontextmenu']) assert.match(body, new RegExp(`${h}="return false"`));
});

test('template head, fixed texts and script order', () => {
    assert.ok(template.startsWith('<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">\n'));
    assert.match(template, /<html lang="en-US">/);
    const head = template.slice(0, template.indexOf('</head>'));
    assert.match(head, /<meta http-equiv="Content-Type" content="text\/html; charset=utf-8">/);
    assert.match(head, /<meta http-equiv="cache-control" content="no-cache">/);
    assert.match(head, /<meta name="viewport" content="width=device-width, initial-scale=1.0, user-scalable=no">/);
    assert.match(head, /<link [^>]*href="js\/st.css" media="screen">/);
    assert.ok(head.indexOf('<title>') < head.indexOf('Content-Type'));
    // No favicon request that a published tree could answer only with 404.
    assert.match(head, /<link rel="icon" href="data:,">/);

    const scripts = [...template.matchAll(/<script [^>]*src="([^"]+)"/g)].map((m) => m[1]);
    assert.deepEqual(scripts, ['js/ctr/cn1.js', 'js/ctr/cn2.js', 'js/ctr/cn0.js', 'js/build/Three.js',
        'js/raf.js', 'js/Stats.js', 'js/ctr/cn3.js']);
    assert.ok(head.includes('js/ctr/cn1.js'), 'cn1.js loads in the head');
    const lastScript = template.lastIndexOf('<script');
    assert.equal(template.indexOf('src="js/ctr/cn3.js"'), template.indexOf('src=', lastScript), 'cn3.js is the last script');

    assert.equal(count(template, '!*** Your Browser does not support this video ***!'), 2);
    assert.match(template, /<img src="images\/poster.jpg"[^>]*alt="Your Browser is not support the video"[^>]*onmousedown="locflash\(\)"/);
    assert.match(template, /function locflash\(\) \{\s*window.open\('https:\/\/tessaly.example\/', '_blank', 'noopener'\);/);
    // The viewer follows the window itself; nothing else handles a resize.
    assert.ok(!template.includes('onresize'));
});

test('template elements the player and the style sheet address', () => {
    const tags = tagsById(template);
    const get = (id) => {
        assert.ok(tags.has(id), `missing id ${id}`);
        return tags.get(id);
    };
    const offScreen = (a) => assert.match(a.style, /position:absolute; left:3000px; top:3000px;/, a.id);

    assert.equal(get('container').tag, 'div');
    const ab = get('ab');
    assert.equal(ab.title, 'About');
    assert.equal(ab.onmousedown, 'locflash()');
    assert.match(ab.onmouseover, /cursor='pointer'/);
    offScreen(ab);
    assert.equal(get('titlePN').src, 'images/title.png');
    assert.equal(get('titlePN').onmouseover, 'cTitle(this)');

    const buttons = [
        ['leftBT', 'left', 'Panning Left', 'cLeft'], ['upBT', 'up', 'Panning Up', 'cUp'],
        ['stopBT', 'stop', 'Stop Panning', 'cStop'], ['downBT', 'down', 'Panning Down', 'cDown'],
        ['rightBT', 'right', 'Panning Right', 'cRight'], ['zoominBT', 'zoomin', 'Zoom In', 'cZoomIn'],
        ['zoomoutBT', 'zoomout', 'Zoom Out', 'cZoomOut'], ['restartBT', 'restart', 'Restart video', 'cRestart'],
    ];
    const buttonOrder = buttons.map(([id]) => template.indexOf(`id="${id}"`));
    assert.deepEqual(buttonOrder, [...buttonOrder].sort((a, b) => a - b), 'buttons in table order');
    for (const [id, image, title, handler] of buttons) {
        const b = get(id);
        assert.equal(b.src, `images/${image}.png`, id);
        assert.equal(b.title, title, id);
        assert.equal(b.onmouseover, `this.src='images/${image}L.png'`, id);
        assert.equal(b.onmouseup, `this.src='images/${image}L.png'`, id);
        assert.equal(b.onmouseout, `this.src='images/${image}.png'`, id);
        assert.equal(b.onmousedown, `${handler}(this)`, id);
        offScreen(b);
    }

    assert.deepEqual([get('muteON').src, get('muteON').title, get('muteON').onmousedown],
        ['images/muteON.png', 'mute On', 'cMuteON(this)']);
    assert.deepEqual([get('muteOFF').src, get('muteOFF').title, get('muteOFF').onmousedown],
        ['images/muteOFF.png', 'mute Off', 'cMuteOFF(this)']);
    assert.equal(get('check_hs').src, 'images/check_hs.gif');
    assert.equal(get('check_hs').title, 'hot spot is shown');
    assert.equal(get('check_hs').onmousedown, undefined);
    for (let n = 1; n <= 10; n++) {
        const hs = get(`hs${n}`);
        assert.deepEqual([hs.src, hs.title, hs.onmousedown], [`images/hs${n}.gif`, '', `cHS${n}(this)`]);
        offScreen(hs);
    }

    const video = get('video');
    assert.equal(video.tag, 'video');
    assert.equal(video.style, 'display:none');
    for (const a of ['autoplay', 'playsinline']) assert.ok(a in video, a);
    assert.equal(video.preload, 'auto');
    // The movies lie beside the page; a CORS request would only make a file: page fail to load them.
    assert.ok(!('crossorigin' in video));
    assert.ok(!('muted' in video));

    assert.deepEqual([get('play').title, get('play').class], ['Play/Pause', 'play control']);
    assert.match(template, /id="play"[^>]*><span><\/span>/);
    assert.equal(get('progress').class, 'control');
    for (const id of ['controls', 'total', 'buffered', 'current', 'play_time']) get(id);
    assert.match(template, /<span id="current_time_display">00:00<\/span> \/ <span id="duration_display">00:00<\/span>/);
    assert.deepEqual([get('volume').title, get('volume').class], ['Volume', 'control']);
    const volumeList = template.match(/<ul id="volume_display">([^]*?)<\/ul>/);
    assert.ok(volumeList, 'volume_display list');
    assert.equal(count(volumeList[1], '<li></li>'), 6);
    assert.deepEqual([get('full_screen').title, get('full_screen').class], ['Full Sreen On/Off', 'control']);
    for (const c of ['fs_top_left', 'fs_top_right', 'fs_bottom_left', 'fs_bottom_right']) {
        assert.equal(get(c).class, 'fs-corner', c);
    }

    // The viewer carries its own shaders.
    assert.ok(!template.includes('x-shader'));

    // Page order: container, images, scripts, video, controls, cn3.
    const at = (s) => template.indexOf(s);
    const order = [at('id="container"'), at('id="ab"'), at('id="hs10"'), at('js/ctr/cn2.js'), at('<video'),
        at('function locflash'), at('id="controls"'), at('js/ctr/cn3.js')];
    assert.deepEqual(order, [...order].sort((a, b) => a - b));
});

// --- manifest -------------------------------------------------------------------

// web/manifest.txt: [published path, source] a line, in its order.
function manifest() {
    return read('manifest.txt').toString('utf8').split('\n').filter((l) => l && !l.startsWith('#')).map((l) => {
        const fields = l.split(/ +/);
        assert.equal(fields.length, 2, `manifest line: ${l}`);
        return fields;
    });
}

test('the manifest names every file the page loads, once, from a source that exists', () => {
    const lines = manifest();
    const published = lines.map(([path]) => path);
    assert.equal(new Set(published).size, published.length, 'each published path once');
    for (const [, source] of lines) assert.ok(existsSync(join(web, source)), `missing web/${source}`);
    for (const role of ['page-template', 'hot-spot-icon-1', 'hot-spot-icon-2']) assert.ok(published.includes(role), role);

    // Everything the template addresses in js/ and images/ is published; the hot-spot icons are written from the two icons.
    const addressed = new Set([...template.matchAll(/(?:src|href)="((?:js|images)\/[^"]+)"/g)].map((m) => m[1]));
    addressed.delete('js/ctr/cn0.js');
    for (const path of addressed) {
        assert.ok(published.includes(path) || /^images\/hs\d+\.gif$/.test(path), `${path} is not in the manifest`);
    }
});

// --- images -------------------------------------------------------------------

test('every image the page uses exists with its size', () => {
    const button = { width: 75, height: 70 };
    const expected = {
        'title.png': { width: 480, height: 100 }, 'muteON.png': { width: 20, height: 20 },
        'muteOFF.png': { width: 20, height: 20 }, 'poster.jpg': { width: 400, height: 400 },
        'check_hs.gif': { width: 48, height: 48 }, 'hs_blue.gif': { width: 48, height: 48 },
        'hs_red.gif': { width: 48, height: 48 }, 'about.png': { width: 72, height: 72 },
    };
    for (const name of ['down', 'up', 'left', 'right', 'stop', 'restart', 'zoomin', 'zoomout']) {
        for (const state of ['', 'L', 'D']) expected[`${name}${state}.png`] = button;
    }

    // hs1.gif to hs10.gif are written from the blue or the red icon.
    const referenced = new Set();
    for (const m of template.matchAll(/images\/([A-Za-z0-9_]+\.(?:png|gif|jpg))/g)) {
        if (/^hs\d+\.gif$/.test(m[1])) {
            referenced.add('hs_blue.gif').add('hs_red.gif');
        } else {
            referenced.add(m[1]);
        }
    }
    for (const name of referenced) assert.ok(name in expected, `template uses an unexpected image ${name}`);

    for (const [name, size] of Object.entries(expected)) {
        assert.ok(existsSync(join(web, 'images', name)), `missing images/${name}`);
        const { width, height } = imageSize(name, read(`images/${name}`));
        assert.deepEqual({ width, height }, size, name);
    }
});

test('hot-spot markers are looping animations with their frame counts', () => {
    for (const [name, frames] of [['hs_blue.gif', 4], ['hs_red.gif', 14], ['check_hs.gif', 9]]) {
        const info = gifInfo(read(`images/${name}`));
        assert.equal(info.delays.length, frames, name);
        assert.ok(info.delays.every((d) => d > 0), `${name} frames have delays`);
        assert.ok(info.loops, `${name} loops`);
    }
});

test('the inline About icon is images/about.png', () => {
    const m = template.match(/<img id="ab" src="data:image\/png;base64,([A-Za-z0-9+/=]+)"/);
    assert.ok(m, 'About icon as a base64 PNG data address');
    const inline = Buffer.from(m[1], 'base64');
    assert.deepEqual(pngSize(inline), { width: 72, height: 72 });
    assert.ok(inline.equals(read('images/about.png')), 'template and images/about.png differ: rerun make-images.sh');
});

// --- style sheet and frame fallback -------------------------------------------

test('style sheet addresses the control bar', () => {
    const css = read('js/st.css').toString('utf8');
    assert.equal(count(css, '{'), count(css, '}'), 'balanced braces');
    const selectors = css.replace(/\/\*[^]*?\*\//g, '').match(/[^{}]+(?=\{)/g).join(',');
    for (const s of ['#container', '#controls', '.control', '#play', '#progress', '#total', '#buffered', '#current',
        '#play_time', '#volume', '#volume_display', '#full_screen', '.fs-corner', '#muteON', '#muteOFF']) {
        assert.match(selectors, new RegExp(`${s.replace('.', '\\.')}(?![\\w-])`), s);
    }
});

test('requestAnimationFrame fallback', () => {
    const source = read('js/raf.js').toString('utf8');
    const run = (window, globals = {}) => {
        window.window = window;
        vm.runInContext(source, vm.createContext(Object.assign(window, globals)));
        return window;
    };

    const native = () => 7;
    assert.equal(run({ requestAnimationFrame: native }).requestAnimationFrame, native);
    const prefixed = () => 8;
    assert.equal(run({ webkitRequestAnimationFrame: prefixed }).requestAnimationFrame, prefixed);

    // Without any: a timer at the configured frame rate, the callback gets a time stamp.
    const delays = [];
    const timerWindow = (now) => ({
        performance: { now: () => now },
        setTimeout: (fn, ms) => { delays.push(ms); fn(); return 1; },
    });
    let stamp;
    run(timerWindow(1234.5), { OS_FPS: 15 }).requestAnimationFrame((t) => { stamp = t; });
    assert.equal(delays.pop(), 1000 / 15);
    assert.equal(stamp, 1234.5);
    // No configuration script loaded (or a zero rate): 60 frames a second, no error.
    run(timerWindow(0)).requestAnimationFrame(() => {});
    assert.equal(delays.pop(), 1000 / 60);
    run(timerWindow(0), { OS_FPS: 0 }).requestAnimationFrame(() => {});
    assert.equal(delays.pop(), 1000 / 60);
});

// --- third-party bundles --------------------------------------------------------

// A window just big enough for the bundles to load and for Stats to build its panels.
function fakeWindow() {
    const context2d = new Proxy({}, { get: (o, k) => (k in o ? o[k] : () => {}), set: (o, k, v) => { o[k] = v; return true; } });
    const element = () => ({
        style: {}, children: [], addEventListener() {}, getContext: () => context2d,
        appendChild(child) { this.children.push(child); return child; },
    });
    const window = { document: { createElement: element, createElementNS: (ns, name) => element(name) },
        performance: { now: () => 0 }, devicePixelRatio: 1, console };
    window.window = window;
    window.self = window;
    return vm.createContext(window);
}

test('vendor bundles define THREE (the arithmetic) and Stats as classic scripts', () => {
    const context = fakeWindow();
    for (const file of ['dist/Three.js', 'dist/Stats.js']) {
        const source = read(`vendor/${file}`).toString('utf8');
        assert.ok(!/^\s*(import|export)\s/m.test(source), `${file} is not a module`);
        new vm.Script(source, { filename: file }).runInContext(context);
    }
    const THREE = vm.runInContext('THREE', context);
    // The player draws with its own WebGL code; the bundle carries the arithmetic it uses.
    for (const name of ['Vector3', 'Quaternion', 'Euler', 'Matrix4']) {
        assert.equal(typeof THREE[name], 'function', `THREE.${name}`);
    }
    assert.equal(THREE.MathUtils.degToRad(180), Math.PI);
    assert.equal(THREE.WebGLRenderer, undefined, 'the renderer stays out of the page');
    // A view matrix as the player builds it: the camera's turn from lookAt, transposed.
    const target = new THREE.Vector3(0, 0, 1);
    const view = new THREE.Matrix4().lookAt(new THREE.Vector3(), target, new THREE.Vector3(0, 1, 0)).transpose();
    const ahead = target.clone().applyMatrix4(view);
    assert.ok(Math.abs(ahead.z + 1) < 1e-12 && Math.abs(ahead.x) < 1e-12 && Math.abs(ahead.y) < 1e-12, 'looks down -z');
    // Device orientation: a quarter turn about y takes -z to -x.
    const q = new THREE.Quaternion().setFromEuler(new THREE.Euler(0, Math.PI / 2, 0, 'YXZ'));
    const turned = new THREE.Vector3(0, 0, -1).applyQuaternion(q);
    assert.ok(Math.abs(turned.x + 1) < 1e-12 && Math.abs(turned.z) < 1e-12, `turned ${turned.toArray()}`);

    const Stats = vm.runInContext('Stats', context);
    const stats = new Stats();
    assert.ok(stats.dom, 'Stats builds its panel');
    for (const m of ['begin', 'end', 'update', 'showPanel']) assert.equal(typeof stats[m], 'function', m);
});

test('vendor packages are pinned exactly', () => {
    const pkg = JSON.parse(read('vendor/package.json'));
    const lock = JSON.parse(read('vendor/package-lock.json'));
    for (const [name, version] of Object.entries(pkg.devDependencies)) {
        assert.match(version, /^\d+\.\d+\.\d+$/, `${name} ${version}`);
        assert.equal(lock.packages[`node_modules/${name}`].version, version, name);
    }
    for (const name of ['three', 'stats.js', 'esbuild']) assert.ok(name in pkg.devDependencies, name);
    assert.equal(pkg.scripts.build, 'node build.mjs');
});

// Lays out a published tree in a temp folder the way the publisher does: the
// page from the template, every file of web/manifest.txt at its published path,
// and the movie beside the page. The player scripts are those the build made
// for the tests (tests/CMakeLists.txt): as published, with the viewer's test hook.
import { copyFileSync, existsSync, mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { basename, dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

export const WEB = resolve(dirname(fileURLToPath(import.meta.url)), '../../../web');
const TEST_SCRIPTS = process.env.TESSALY_TEST_SCRIPTS || resolve(WEB, '../build/dev/tests/web/js/ctr');

// web/manifest.txt as { published: source }, in its order.
function manifest() {
  const lines = readFileSync(join(WEB, 'manifest.txt'), 'utf8').split('\n').filter((l) => l && !l.startsWith('#'));
  return Object.fromEntries(lines.map((l) => l.split(/ +/)));
}

// The bytes a published file starts from: a player script as the build made it for the tests, else its source.
function fileFor(published, source) {
  if (!published.startsWith('js/ctr/')) return join(WEB, source);
  const built = join(TEST_SCRIPTS, basename(published));
  if (!existsSync(built)) throw new Error(`${built} is missing: build the project first (cmake --build --preset dev)`);
  return built;
}

export const DEFAULT_CONFIG = {
  fov: 120,
  OS_FPS: 15,
  nSegmentsWidth: 128,
  nSegmentsHeight: 128,
  vertmax: 90,
  lon: 0,
  lat: 0,
  RENDER_X: 550,
  RENDER_Y: 400,
  OS_VOLUME: 1,
  OS_STAT: 0,
  OS_MODE: 0,
  OS_COLOR: '000000',
  mousespeed: 0.02,
  control_bar: 1,
  OS_WIN_POS_W: 'left',
  OS_WIN_POS_H: 'top',
  OS_FULL_SCREEN: 0,
};

// Hot-spot pos and time: up to 15 significant digits, no 0 before the point.
export function plainNumber(value) {
  let text = String(Number(Number(value).toPrecision(15)));
  if (text.startsWith('0.')) text = text.slice(1);
  if (text.startsWith('-0.')) text = '-' + text.slice(2);
  return text;
}

// The slider yaw as the configuration script stores it.
export function storedYaw(sliderYaw) {
  return sliderYaw >= 0 ? sliderYaw - 180 : sliderYaw + 180;
}

// The 88 lines of cn0.js in plain form, and stereo and field when the options give them
// (the publisher writes them only for a stereo or a 180-degree movie). hotSpots: [{ slot: 1..10, pos, time, yaw, pitch, title, link, self }].
export function configScript(options = {}, hotSpots = []) {
  const c = { ...DEFAULT_CONFIG, ...options };
  const lines = [
    `   var fov = ${c.fov};`,
    `   var OS_FPS = ${c.OS_FPS};`,
    `   var nSegmentsWidth = ${c.nSegmentsWidth}; `,
    `   var nSegmentsHeight = ${c.nSegmentsHeight}; `,
    `   var vertmax = ${c.vertmax};`,
    `   var lon = ${c.lon};`,
    `   var lat = ${c.lat};`,
    `   var RENDER_X = ${c.RENDER_X};`,
    `   var RENDER_Y = ${c.RENDER_Y};`,
    `   var OS_VOLUME  = ${Number(c.OS_VOLUME).toFixed(2)};`,
    `   var OS_STAT  = ${c.OS_STAT};`,
    `   var OS_MODE  = ${c.OS_MODE}; `,
    `   var OS_COLOR = '#${c.OS_COLOR}';`,
    `   var mousespeed = ${Number(c.mousespeed).toFixed(3)}; `,
    `   var control_bar = ${c.control_bar}; `,
    '   var OS_CONTROL = 0; ',
    `   var OS_WIN_POS_W = "${c.OS_WIN_POS_W}";`,
    `   var OS_WIN_POS_H = "${c.OS_WIN_POS_H}";`,
    `   var OS_FULL_SCREEN = ${c.OS_FULL_SCREEN}; `,
    ...(c.stereo ? [`   var stereo = "${c.stereo}";`] : []),
    ...(c.field ? [`   var field = ${c.field};`] : []),
    '   if (OS_FULL_SCREEN == 1){',
    '       RENDER_X = window.innerWidth;',
    '       RENDER_Y = window.innerHeight;',
    '       posY = 46;',
    '   };',
    '   if (RENDER_X < 550){',
    '            OS_CONTROL = 1;',
    '   };',
    `   var OS_HOTSPOTS = ${hotSpots.filter((h) => h.pos > 0).length};`,
  ];
  for (let k = 0; k < 10; k += 1) {
    const h = hotSpots.find((s) => s.slot === k + 1 && s.pos > 0);
    lines.push(
      `HotSpotItem_pos[${k}]   = ${h ? plainNumber(h.pos) : 0};`,
      `HotSpotItem_time[${k}]  = ${h ? plainNumber(h.time) : 0};`,
      `HotSpotItem_yaw[${k}]   = ${h ? storedYaw(h.yaw) : 0};`,
      `HotSpotItem_title[${k}] = "${h ? h.title || h.link : ''}";`,
      `HotSpotItem_link[${k}]  = "${h ? h.link : ''}";`,
      `HotSpotItem_self[${k}]  = ${h && h.self ? 'true' : 'false'};`,
    );
  }
  const pitches = Array.from({ length: 10 }, (_, k) => hotSpots.find((s) => s.slot === k + 1 && s.pos > 0)?.pitch || 0);
  if (pitches.some((p) => p !== 0)) lines.push(`   var HotSpotItem_pitch = [${pitches.join(',')}];`);
  return lines.map((l) => l + '\r\n').join('');
}

// movieNames: one to three file names, in slot order.
export function page(title, movieNames, bgHex = '000000') {
  const names = [].concat(movieNames);
  const lines = [0, 1, 2].map((i) => (names[i] ? `<SOURCE src="${names[i]}" type='video/${names[i].endsWith('.mp4') ? 'mp4' : 'webm'}'/>` : '') + '\r\n');
  return readFileSync(join(WEB, manifest()['page-template']), 'utf8')
    .split('X'.repeat(30)).join(lines.join(''))
    .split('S'.repeat(30)).join(title)
    .split('bgcolor=#000000').join(`bgcolor='#${bgHex}' `);
}

// Builds the tree; returns { dir, pageName, remove }. movie: a path or up to three paths
// (the page's sources in order). extraFiles: { 'name.html': 'content' }.
export function buildTree({ config = {}, hotSpots = [], movie, title = 'Tessaly test', extraFiles = {} } = {}) {
  const dir = mkdtempSync(join(tmpdir(), 'tessaly-tree-'));
  const pageName = 'tour.html';
  const movies = [].concat(movie);
  const files = manifest();
  for (const [published, source] of Object.entries(files)) {
    if (!published.includes('/')) continue;
    mkdirSync(dirname(join(dir, published)), { recursive: true });
    copyFileSync(fileFor(published, source), join(dir, published));
  }
  for (let n = 1; n <= 10; n += 1) copyFileSync(join(WEB, files['hot-spot-icon-1']), join(dir, `images/hs${n}.gif`));
  writeFileSync(join(dir, 'js/ctr/cn0.js'), configScript(config, hotSpots), 'latin1');
  for (const m of movies) copyFileSync(m, join(dir, basename(m)));
  writeFileSync(join(dir, pageName), page(title, movies.map((m) => basename(m))));
  for (const [name, content] of Object.entries(extraFiles)) writeFileSync(join(dir, name), content);
  return { dir, pageName, remove: () => rmSync(dir, { recursive: true, force: true }) };
}

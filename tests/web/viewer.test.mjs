// The viewer in a published page: picture, directions, looking around, layout
// and the options of the configuration script.
import assert from 'node:assert/strict';
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { before, describe, test } from 'node:test';
import { loseContext, pageSession, restoreContext, sample, sharedBrowser, viewerState, waitFor, waitFrames } from './lib/browser.mjs';
import { patternMovie, soundMovie } from './lib/movie.mjs';

const TOLERANCE = 6;
const RED = [255, 0, 0];
const GREEN = [0, 255, 0];
const BLUE = [0, 0, 255];
const YELLOW = [255, 255, 0];
const WHITE = [255, 255, 255];
const MAGENTA = [255, 0, 255];

// 550 x 400 at fov 90: the centre is (275, 200) and 100 pixels are 26.6 degrees.
const VIEW = { fov: 90, OS_FPS: 30, nSegmentsWidth: 64, nSegmentsHeight: 32 };
const CENTRE = [275, 200];

function assertColour(actual, expected, where) {
  const off = expected.map((c, i) => Math.abs(c - actual[i]));
  assert.ok(Math.max(...off) <= TOLERANCE, `${where}: expected ${expected}, got ${actual.slice(0, 3)}`);
}

let movie;
const session = pageSession(() => movie, VIEW);
const open = session.open;

before(async () => {
  movie = patternMovie();
  await session.start();
});

async function drag(page, from, dx, dy) {
  await page.mouse.move(from[0], from[1]);
  await page.mouse.down();
  await page.mouse.move(from[0] + dx / 2, from[1] + dy / 2, { steps: 4 });
  await page.mouse.move(from[0] + dx, from[1] + dy, { steps: 4 });
  await page.mouse.up();
  await waitFrames(page, 2);
}

describe('picture and directions', () => {
  test('the default view faces the centre column in the movie colours', async () => {
    const { page, errors } = await open({});
    assertColour(await sample(page, ...CENTRE), WHITE, 'centre (u = 0.5 marker)');
    assertColour(await sample(page, 175, 200), GREEN, 'left of centre');
    assertColour(await sample(page, 375, 200), GREEN, 'right of centre');
    // 250 pixels out is 51 degrees: past the green region on both sides.
    assertColour(await sample(page, 25, 200), RED, 'left edge');
    assertColour(await sample(page, 525, 200), YELLOW, 'right edge');
    const state = await viewerState(page);
    assert.deepEqual([state.left, state.top, state.width, state.height], [0, 0, 550, 400]);
    assert.equal(await page.evaluate(() => document.querySelector('#container canvas').width), 550);
    assert.deepEqual(await errors(), []);
  });

  test('the start yaw turns the view: 90 faces u = 0.75, 180 the seam, 270 u = 0.25', async () => {
    for (const [lon, colour] of [[90, YELLOW], [180, BLUE], [270, MAGENTA]]) {
      const { page, errors } = await open({ lon });
      assertColour(await sample(page, ...CENTRE), colour, `centre at lon ${lon}`);
      assert.deepEqual(await errors(), []);
    }
  });

  test('a positive start pitch looks up, Black Areas mode shows its colour beyond vertmax', async () => {
    const { page, errors } = await open({ OS_MODE: 1, OS_COLOR: 'FF8000', vertmax: 30, lat: 80, fov: 40 });
    assert.equal((await viewerState(page)).lat, 80);
    assertColour(await sample(page, ...CENTRE), [255, 128, 0], 'sky beyond the movie band');
    const classic = await open({ OS_MODE: 0, OS_COLOR: 'FF8000', vertmax: 30, lat: 80, fov: 40 });
    assert.equal((await viewerState(classic.page)).lat, 30, 'Classic mode holds lat within vertmax');
    assertColour(await sample(classic.page, ...CENTRE), WHITE, 'Classic mode shows the movie');
    assert.deepEqual([...await errors(), ...await classic.errors()], []);
  });

  test('a lost drawing context comes back with the movie within a second', async (t) => {
    const { page, errors } = await open({});
    if (!await loseContext(page)) {
      t.skip('this engine has no WEBGL_lose_context to lose a context with');
      return;
    }
    // The loop goes on while the context is lost, and must not throw.
    await waitFrames(page, 3);
    await page.evaluate(([x, y]) => window.__tessaly.watch(x, y), CENTRE);
    await restoreContext(page);
    // The centre is white (TOLERANCE); a context that comes back empty shows the background.
    await waitFor(page, () => {
      const last = window.__tessaly.shown();
      return !!last && last.pixel.slice(0, 3).every((c) => c >= 249);
    }, undefined, { timeoutMs: 1000, what: 'the movie drawn again after the context came back' });
    assert.deepEqual(await errors(), []);
  });
});

describe('looking around', () => {
  test('dragging turns the view by mousespeed and the picture follows', async () => {
    // 0.05 x 5 = 0.25 degrees a pixel: 360 pixels to the left turn the view 90 degrees right.
    const { page, errors } = await open({ mousespeed: 0.05 });
    await drag(page, [450, 200], -360, 0);
    const turned = await viewerState(page);
    assert.ok(Math.abs(turned.lon - 90) < 0.01, `lon ${turned.lon}`);
    assertColour(await sample(page, ...CENTRE), YELLOW, 'centre after turning right');
    await drag(page, [275, 100], 0, 80);
    assert.ok(Math.abs((await viewerState(page)).lat - 20) < 0.01, 'dragging down looks up');
    assert.deepEqual(await errors(), []);
  });

  test('vertmax bounds the pitch in Classic mode; 90 leaves it free', async () => {
    const limited = await open({ mousespeed: 0.05, vertmax: 45 });
    await drag(limited.page, [275, 20], 0, 360);
    assert.equal((await viewerState(limited.page)).lat, 45);
    // Two strokes: a window's edge stops a WebDriver pointer.
    await drag(limited.page, [275, 300], 0, -280);
    await drag(limited.page, [275, 300], 0, -280);
    assert.equal((await viewerState(limited.page)).lat, -45);
    const free = await open({ mousespeed: 0.05, vertmax: 90 });
    await drag(free.page, [275, 20], 0, 300);
    assert.ok(Math.abs((await viewerState(free.page)).lat - 75) < 0.01);
    assert.deepEqual([...await limited.errors(), ...await free.errors()], []);
  });

  test('the wheel zooms between 40 and 130 degrees', async () => {
    const { page, errors } = await open({ fov: 90 });
    await page.mouse.move(...CENTRE);
    await page.mouse.wheel(0, 200);
    await waitFor(page, () => window.__tessaly.state().fov > 90, undefined, { what: 'zoom out' });
    await page.mouse.wheel(0, 5000);
    await waitFor(page, () => window.__tessaly.state().fov === 130, undefined, { what: 'fov 130' });
    await page.mouse.wheel(0, -10000);
    await waitFor(page, () => window.__tessaly.state().fov === 40, undefined, { what: 'fov 40' });
    assert.deepEqual(await errors(), []);
  });
});

describe('options', () => {
  test('the viewer sits where OS_WIN_POS_W and OS_WIN_POS_H put it, the bar under it', async () => {
    const { page, errors } = await open({ RENDER_X: 400, RENDER_Y: 300, OS_WIN_POS_W: 'center', OS_WIN_POS_H: 'bottom' });
    const box = await page.evaluate(() => {
      const r = document.querySelector('#container canvas').getBoundingClientRect();
      const bar = document.getElementById('controls').getBoundingClientRect();
      return { left: r.left, top: r.top, width: r.width, height: r.height, barTop: bar.top, barBottom: bar.bottom };
    });
    // Viewport 1000 x 700.
    assert.deepEqual([box.left, box.width, box.height], [300, 400, 300]);
    assert.equal(box.barTop, box.top + 300);
    assert.equal(box.barBottom, 700);
    assert.deepEqual(await errors(), []);
  });

  test('full screen fills the window and follows it', async () => {
    const { page, errors } = await open({ OS_FULL_SCREEN: 1 });
    assert.deepEqual(await page.evaluate(() => [window.__tessaly.state().width, window.__tessaly.state().height]), [1000, 700]);
    await page.setViewportSize({ width: 800, height: 500 });
    await waitFor(page, () => window.__tessaly.state().width === 800 && window.__tessaly.state().height === 500,
      undefined, { what: 'the viewer to follow the window' });
    await waitFrames(page, 2);
    const canvas = await page.evaluate(() => {
      const r = document.querySelector('#container canvas').getBoundingClientRect();
      return [r.width, r.height, document.getElementById('controls').getBoundingClientRect().top];
    });
    assert.deepEqual(canvas, [800, 500, 500 - 46]);
    assertColour(await sample(page, 400, 250), WHITE, 'centre after resizing');
    assert.deepEqual(await errors(), []);
  });

  test('control bar: minimal when narrow, hidden by control_bar 0; OS_STAT monitor; OS_VOLUME', async () => {
    const narrow = await open({ RENDER_X: 400, RENDER_Y: 300 });
    assert.deepEqual(await narrow.page.evaluate(() => ['play', 'progress', 'play_time', 'volume']
      .map((id) => getComputedStyle(document.getElementById(id)).display !== 'none')), [true, true, false, false],
    'a viewer narrower than 550 gets the minimal bar');
    const plain = await open({ control_bar: 0, OS_STAT: 0, OS_VOLUME: 0.5 });
    assert.equal(await plain.page.isVisible('#controls'), false);
    assert.equal(await plain.page.evaluate(() => document.querySelectorAll('#container canvas').length), 1);
    assert.equal((await viewerState(plain.page)).volume, 0.5);
    const stats = await open({ control_bar: 1, OS_STAT: 1 });
    assert.equal(await stats.page.isVisible('#controls'), true);
    assert.ok(await stats.page.evaluate(() => document.querySelectorAll('#container canvas').length) > 1,
      'the monitor draws on canvases of its own inside the viewer');
    assert.deepEqual([...await narrow.errors(), ...await plain.errors(), ...await stats.errors()], []);
  });

  test('the play button pauses and resumes', async () => {
    const { page, errors } = await open({});
    await waitFor(page, () => !window.__tessaly.state().paused, undefined, { what: 'autoplay' });
    await page.click('#play');
    await waitFor(page, () => window.__tessaly.state().paused, undefined, { what: 'pause' });
    await waitFor(page, () => document.getElementById('play').className === 'play control', undefined,
      { what: 'the play sign' });
    await page.click('#play');
    await waitFor(page, () => !window.__tessaly.state().paused, undefined, { what: 'play' });
    await waitFor(page, () => document.getElementById('play').className === 'play control pause', undefined,
      { what: 'the pause sign' });
    assert.deepEqual(await errors(), []);
  });

  test('the movie loops: past its end it plays on from the start', async () => {
    const { page, errors } = await open({});
    await page.evaluate(() => {
      const video = document.getElementById('video');
      window.__times = [];
      video.addEventListener('timeupdate', () => window.__times.push(video.currentTime));
      video.currentTime = 3.3;
      video.play();
    });
    // Moving again after the start, not standing at 0 (WebKitGTK's own loop did).
    await waitFor(page, () => {
      const times = window.__times;
      const end = times.findIndex((t) => t > 3.5);
      return end >= 0 && times.slice(end).some((t) => t > 0.5 && t < 2);
    }, undefined, { what: 'a second pass' });
    assert.equal((await viewerState(page)).paused, false);
    assert.deepEqual(await errors(), []);
  });

  test('OS_FPS caps the frames drawn: count them over a second of wall time', async () => {
    for (const fps of [5, 12]) {
      const { page, errors } = await open({ OS_FPS: fps });
      const [drawn, seconds] = await page.evaluate(() => new Promise((resolve) => {
        const start = [window.__tessaly.state().frames, performance.now()];
        const poll = () => {
          const elapsed = (performance.now() - start[1]) / 1000;
          if (elapsed < 1) setTimeout(poll, 50);
          else resolve([window.__tessaly.state().frames - start[0], elapsed]);
        };
        poll();
      }));
      assert.ok(drawn > 0 && drawn <= Math.ceil(fps * seconds * 1.12) + 1, `${drawn} frames in ${seconds} s at ${fps} a second`);
      assert.deepEqual(await errors(), []);
    }
  });

  test('a movie frame is uploaded once at most, and a still picture is not drawn again', async () => {
    const countUploads = (withoutCallbacks) => {
      window.__uploads = 0;
      for (const proto of [WebGLRenderingContext.prototype, WebGL2RenderingContext.prototype]) {
        for (const name of ['texImage2D', 'texSubImage2D']) {
          const original = proto[name];
          proto[name] = function (...args) {
            if (args.some((a) => a instanceof HTMLVideoElement)) window.__uploads += 1;
            return original.apply(this, args);
          };
        }
      }
      if (withoutCallbacks) delete HTMLVideoElement.prototype.requestVideoFrameCallback;
    };
    // With and without requestVideoFrameCallback; the movie has 10 frames a second, the cap is 30.
    for (const withoutCallbacks of [false, true]) {
      const { page, errors } = await open({ OS_FPS: 30 }, { init: [[countUploads, withoutCallbacks]] });
      const during = () => page.evaluate(() => new Promise((resolve) => {
        const video = document.getElementById('video');
        const start = [window.__uploads, video.getVideoPlaybackQuality().totalVideoFrames, window.__tessaly.state()];
        const begun = performance.now();
        const poll = () => {
          if (performance.now() - begun < 1000) {
            setTimeout(poll, 50);
            return;
          }
          const end = window.__tessaly.state();
          resolve({ uploads: window.__uploads - start[0], decoded: video.getVideoPlaybackQuality().totalVideoFrames - start[1],
            frames: end.frames - start[2].frames, renders: end.renders - start[2].renders });
        };
        poll();
      }));
      await waitFor(page, () => !window.__tessaly.state().paused, undefined, { what: 'playing' });
      const playing = await during();
      assert.ok(playing.uploads > 0 && playing.uploads <= playing.decoded + 1, `playing, without callbacks ${withoutCallbacks}: ${JSON.stringify(playing)}`);
      // Each picture drawn is a new movie frame (on a starved machine the loop may draw no faster than the movie).
      assert.ok(playing.renders <= playing.uploads + 1, `new movie frames only, without callbacks ${withoutCallbacks}: ${JSON.stringify(playing)}`);
      await page.evaluate(() => document.getElementById('video').pause());
      await waitFrames(page, 3);
      const paused = await during();
      assert.deepEqual([paused.uploads, paused.renders], [0, 0], `paused: ${JSON.stringify(paused)}`);
      assert.ok(paused.frames > 0, 'hot spots and controls are still checked');
      assert.deepEqual(await errors(), []);
    }
  });

  test('a page without a configuration script falls back to the defaults', async () => {
    const { page, errors } = await open({}, { change: (dir) => writeFileSync(join(dir, 'js/ctr/cn0.js'), '') });
    const state = await viewerState(page);
    assert.deepEqual([state.width, state.height, state.fov, state.lon, state.lat], [550, 400, 120, 0, 0]);
    assertColour(await sample(page, ...CENTRE), WHITE, 'centre');
    assert.deepEqual(await errors(), []);
  });
});

describe('autoplay', () => {
  test('when sound is not allowed to autoplay the movie starts muted', async () => {
    const strict = await sharedBrowser('muted');
    const { page, errors } = await open({}, { browser: strict, movies: soundMovie() });
    await waitFor(page, () => !window.__tessaly.state().paused, undefined, { what: 'muted autoplay' });
    assert.equal((await viewerState(page)).muted, true);
    assert.deepEqual(await errors(), []);
  });
});

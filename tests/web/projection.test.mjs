// Classic and Black Areas mode on a spherical (2:1) and a cylindrical (4:1) movie, and
// stereo and 180-degree movies: what the view may reach and the colour beyond the
// picture, probed in the canvas.
import assert from 'node:assert/strict';
import { before, describe, test } from 'node:test';
import { pageSession, sample, viewerState, waitFrames } from './lib/browser.mjs';
import { STEREO_OTHER, cylinderMovie, halfSphereMovie, patternMovie, smallMovie, stereoMovie } from './lib/movie.mjs';

const TOLERANCE = 6;
const GREEN = [0, 255, 0];
const YELLOW = [255, 255, 0];
const WHITE = [255, 255, 255];
const ORANGE = [255, 128, 0];
const BLACK = [0, 0, 0];
const BLUE = [0, 0, 255];
const VIEW = { OS_FPS: 30, nSegmentsWidth: 64, nSegmentsHeight: 32, mousespeed: 0.05, OS_COLOR: 'FF8000' };
const CENTRE = [275, 200];
// Half the vertical angle a 4:1 cylinder covers: atan(pi / 4).
const REACH = (Math.atan(Math.PI / 4) * 180) / Math.PI;

function assertColour(actual, expected, where) {
  const off = expected.map((c, i) => Math.abs(c - actual[i]));
  assert.ok(Math.max(...off) <= TOLERANCE, `${where}: expected ${expected}, got ${actual.slice(0, 3)}`);
}

const session = pageSession(null, VIEW);
let sphere;
let cylinder;

before(async () => {
  sphere = patternMovie();
  cylinder = cylinderMovie();
  await session.start();
});

async function drag(page, from, dx, dy) {
  await page.mouse.move(from[0], from[1]);
  await page.mouse.down();
  await page.mouse.move(from[0] + dx, from[1] + dy, { steps: 6 });
  await page.mouse.up();
  await waitFrames(page, 2);
}

describe('cylindrical movie', () => {
  test('Classic mode keeps the whole view on the picture: zoom and pitch are limited to it', async () => {
    const { page, errors } = await session.open({ OS_MODE: 0, fov: 120 }, { movies: cylinder });
    let state = await viewerState(page);
    assert.equal(state.cylinder, true);
    assert.ok(Math.abs(state.fov - 2 * REACH) < 0.01, `fov ${state.fov} limited to the picture height`);
    assertColour(await sample(page, ...CENTRE), WHITE, 'the centre column ahead');
    // Just inside the top and bottom edges at the centre, and in the corners.
    for (const [x, y] of [[275, 4], [275, 396], [4, 4], [546, 396]]) {
      const pixel = await sample(page, x, y);
      assert.ok(Math.max(...pixel.slice(0, 3)) > 200, `picture at (${x}, ${y}), not the empty sky: ${pixel}`);
    }
    await drag(page, [275, 100], 0, 200);
    assert.equal((await viewerState(page)).lat, 0, 'no room to look up at the full zoom');
    await page.mouse.wheel(0, 2000);
    await waitFrames(page, 2);
    assert.ok(Math.abs((await viewerState(page)).fov - 2 * REACH) < 0.01, 'no zooming out past the picture');
    // Zoomed in, the view may turn up until its top edge meets the picture's.
    await page.mouse.wheel(0, -2000);
    await waitFrames(page, 2);
    await drag(page, [275, 50], 0, 300);
    state = await viewerState(page);
    assert.equal(state.fov, 40);
    assert.ok(Math.abs(state.lat - (REACH - 20)) < 0.01, `lat ${state.lat}`);
    assert.ok(Math.max(...(await sample(page, 275, 4)).slice(0, 3)) > 200, 'top edge still on the picture');
    assert.deepEqual(await errors(), []);
  });

  test('Black Areas mode shows the whole sphere and paints what the picture leaves OS_COLOR', async () => {
    const { page, errors } = await session.open({ OS_MODE: 1, fov: 90, lat: 60 }, { movies: cylinder });
    const state = await viewerState(page);
    assert.deepEqual([state.cylinder, state.fov, state.lat], [true, 90, 60]);
    assertColour(await sample(page, ...CENTRE), ORANGE, 'above the cylinder');
    await drag(page, [275, 300], 0, -240);
    assert.equal((await viewerState(page)).lat, 0);
    assertColour(await sample(page, ...CENTRE), WHITE, 'the picture ahead');
    assertColour(await sample(page, 275, 10), ORANGE, 'above the picture at fov 90');
    assert.deepEqual(await errors(), []);
  });

  test('directions agree with the spherical movie: lon 90 faces u = 0.75', async () => {
    const { page, errors } = await session.open({ lon: 90, fov: 60 }, { movies: cylinder });
    assertColour(await sample(page, ...CENTRE), YELLOW, 'centre at lon 90');
    assert.deepEqual(await errors(), []);
  });
});

describe('spherical movie', () => {
  test('Classic mode reaches the poles of a full sphere; Black Areas mode too', async () => {
    for (const mode of [0, 1]) {
      const { page, errors } = await session.open({ OS_MODE: mode, fov: 60, lat: 80 }, { movies: sphere });
      const state = await viewerState(page);
      assert.deepEqual([state.cylinder, state.lat, state.fov], [false, 80, 60]);
      // The pattern's columns run the full height: green beside the white marker, up to the pole.
      assertColour(await sample(page, 275, 300), WHITE, `mode ${mode}: marker below the centre`);
      const top = await sample(page, 275, 10);
      assert.ok(Math.max(...top.slice(0, 3)) > 200 && !top.slice(0, 3).every((c, i) => c === ORANGE[i]),
        `mode ${mode}: picture near the pole ${top}`);
      assert.deepEqual(await errors(), []);
    }
  });

  test('Classic mode clears to black, whatever OS_COLOR says, until the movie shows', async () => {
    const { page, errors } = await session.open({ OS_MODE: 0, fov: 90 }, { movies: sphere });
    assert.equal(await page.evaluate(() => document.querySelector('#container canvas') !== null), true);
    assertColour(await sample(page, 150, 200), GREEN, 'movie at the left of the marker');
    const clear = await page.evaluate(() => {
      const gl = document.querySelector('#container canvas').getContext('webgl2');
      return Array.from(gl.getParameter(gl.COLOR_CLEAR_VALUE)).map((c) => Math.round(c * 255));
    });
    assertColour(clear, BLACK, 'clear colour');
    assert.deepEqual(await errors(), []);
  });
});

describe('stereo and 180-degree movies', () => {
  test('a flat screen shows the left eye of a stereo frame (top or left half), as it shows that picture in mono', async () => {
    // Off the view's centre, above and below the horizon: a wrong half or scale shows STEREO_OTHER or other columns.
    const points = [[60, 60], [275, 60], [490, 60], [140, 200], [275, 200], [410, 200], [60, 340], [275, 340], [490, 340]];
    const seen = [];
    for (const stereo of [undefined, 'top-bottom', 'side-by-side']) {
      const { page, errors } = await session.open({ fov: 90, lon: 30, stereo }, { movies: stereo ? stereoMovie(stereo) : smallMovie() });
      assert.equal((await viewerState(page)).cylinder, false, `${stereo}: one eye's 2:1 picture is a sphere`);
      const pixels = [];
      for (const point of points) pixels.push(await sample(page, ...point));
      seen.push(pixels);
      await page.evaluate(() => document.getElementById('video').pause());
      assert.deepEqual(await errors(), []);
    }
    for (const [n, pixels] of seen.slice(1).entries()) {
      for (const [i, pixel] of pixels.entries()) {
        const off = Math.max(...pixel.slice(0, 3).map((c, k) => Math.abs(c - seen[0][i][k])));
        assert.ok(off <= 24, `stereo page ${n} at ${points[i]}: ${pixel.slice(0, 3)}, mono ${seen[0][i].slice(0, 3)}`);
        assert.notDeepEqual(pixel.slice(0, 3), STEREO_OTHER, `stereo page ${n} at ${points[i]}: the right eye's picture`);
      }
    }
  });

  test('a 180-degree movie turns until its edge meets the side of the view, zoomed out less far; behind it is OS_COLOR', async () => {
    const { page, errors } = await session.open({ fov: 90, stereo: 'top-bottom', field: 180 }, { movies: halfSphereMovie() });
    let state = await viewerState(page);
    assert.equal(state.cylinder, false);
    assertColour(await sample(page, ...CENTRE), WHITE, 'the centre of the movie ahead');
    const limit = (fov) => 90 - (Math.atan((state.width / state.height) * Math.tan((fov * Math.PI) / 360)) * 180) / Math.PI;
    // Turned right as far as it goes: the right side of the view at the movie's edge (blue up to yaw 90).
    await drag(page, [500, 200], -480, 0);
    state = await viewerState(page);
    assert.ok(Math.abs(state.lon - limit(90)) < 0.01, `lon ${state.lon} at the right edge, ${limit(90)}`);
    assertColour(await sample(page, 546, 200), BLUE, 'picture at the right side of the view');
    await page.mouse.wheel(0, 2000);
    await waitFrames(page, 2);
    state = await viewerState(page);
    assert.equal(state.fov, 130);
    assert.ok(Math.abs(state.lon - limit(130)) < 0.01, `zoomed out, lon ${state.lon} back to ${limit(130)}`);
    assertColour(await sample(page, 546, 200), BLUE, 'picture at the right side of the wider view');
    await drag(page, [50, 200], 480, 0);
    state = await viewerState(page);
    assert.ok(Math.abs(state.lon - (360 - limit(130))) < 0.01, `lon ${state.lon} at the left edge`);
    assertColour(await sample(page, 4, 200), BLUE, 'picture at the left side of the view');
    // Looking up, the top of the view passes the pole to the back half, left to OS_COLOR in Classic mode too.
    await drag(page, [275, 50], 0, 320);
    assert.equal((await viewerState(page)).lat, 80);
    assertColour(await sample(page, 275, 4), ORANGE, 'behind, over the pole');
    assert.deepEqual(await errors(), []);
  });
});

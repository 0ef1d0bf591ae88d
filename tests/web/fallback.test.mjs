// When the movie cannot simply play: sources the browser cannot decode or the device
// cannot draw, a page opened from disk, autoplay rules, and VR where it exists.
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import { basename, join } from 'node:path';
import { before, describe, test } from 'node:test';
import {
  ENGINE, iconCentre, openPage, pageSession, sample, seekTo, sharedBrowser, viewerState, waitFor,
} from './lib/browser.mjs';
import { brokenMovie, PATTERN, patternMovie, smallMovie } from './lib/movie.mjs';
import { preamble, withPreamble } from './lib/preamble.mjs';
import { buildTree } from './lib/tree.mjs';

const VIEW = { OS_FPS: 30, nSegmentsWidth: 64, nSegmentsHeight: 32 };

const session = pageSession(() => movie, VIEW);
let movie;
let small;
let broken;

before(async () => {
  movie = patternMovie();
  small = smallMovie();
  broken = brokenMovie();
  await session.start();
});

function coverText(page) {
  return page.evaluate(() => {
    const cover = document.querySelector('.tessaly-cover');
    return cover && getComputedStyle(cover).display !== 'none' ? cover.textContent : null;
  });
}

// A cover that never comes is told with what the movie element was doing.
async function waitCover(page, what) {
  try {
    return await waitFor(page, () => {
      const cover = document.querySelector('.tessaly-cover');
      return cover && getComputedStyle(cover).display !== 'none' ? cover.textContent : null;
    }, undefined, { what });
  } catch (error) {
    const video = await page.evaluate(() => {
      const v = document.getElementById('video');
      return { readyState: v.readyState, networkState: v.networkState, error: v.error && v.error.code,
        currentSrc: v.currentSrc, sources: v.getElementsByTagName('source').length };
    }).catch(() => 'the page is gone');
    error.message += `; the movie element: ${JSON.stringify(video)}; errors: ${JSON.stringify(await page.errors())}`;
    throw error;
  }
}

// A device that draws no frame as large as the pattern movie, but the small one.
const SMALL_DEVICE = PATTERN.width / 2;
const forceSmallDevice = [(largest) => {
  window.__tessalyMaxTextureSize = largest;
}, SMALL_DEVICE];

describe('movie sources', () => {
  test('a source the browser cannot decode gives way to the next one', async () => {
    const { page, errors } = await session.open({}, { movies: [broken, movie] });
    assert.equal(await page.evaluate(() => document.getElementById('video').currentSrc.split('/').pop()), basename(movie));
    assert.equal(await coverText(page), null);
    assert.deepEqual((await errors()).filter((e) => !e.includes('broken.webm')), []);
  });

  test('a movie larger than the device can draw gives way to a smaller source', async () => {
    const { page, errors } = await session.open({}, { movies: [movie, small], init: [forceSmallDevice] });
    assert.equal(await page.evaluate(() => document.getElementById('video').currentSrc.split('/').pop()), basename(small));
    assert.equal((await viewerState(page)).maxTextureSize, SMALL_DEVICE);
    assert.deepEqual(await errors(), []);
  });

  test('when no source can play, the page says why in words over the poster', async () => {
    const { page, errors } = await session.open({}, { movies: [broken, movie], init: [forceSmallDevice], waitMovie: false });
    const text = await waitCover(page, 'the message');
    assert.match(text, /This movie cannot be played here\./);
    assert.match(text, /broken\.webm cannot be played by this browser\./);
    assert.match(text, new RegExp(`${basename(movie)}: ${PATTERN.width} x ${PATTERN.height} pixels\\. ` +
      `This device draws at most ${SMALL_DEVICE} pixels\\.`));
    assert.equal(await page.evaluate(() => getComputedStyle(document.querySelector('.tessaly-cover')).backgroundImage
      .includes('images/poster.jpg')), true);
    assert.equal((await viewerState(page)).ready, false);
    assert.deepEqual((await errors()).filter((e) => !e.includes('broken.webm')), []);
  });
});

describe('a page opened from disk', () => {
  // Firefox and WebKit let a file: page draw a movie from its own folder; Chromium does not.
  const drawsFromFile = ENGINE !== 'chromium';

  async function openFile(init = []) {
    const tree = buildTree({ movie, config: VIEW });
    session.later(tree.remove);
    const file = join(tree.dir, tree.pageName);
    writeFileSync(file, withPreamble(readFileSync(file, 'utf8'), preamble(init)));
    const page = await openPage(session.browser, `file://${file}`);
    session.later(() => page.close());
    return { page, errors: () => page.errors() };
  }

  test('shows the movie where the browser draws it from a file', { skip: !drawsFromFile && `${ENGINE} refuses` }, async () => {
    const { page, errors } = await openFile();
    await waitFor(page, () => window.__tessaly.state().ready, undefined, { what: 'the movie' });
    assertColour(await sample(page, 275, 200), [255, 255, 255], 'centre');
    assert.equal(await coverText(page), null);
    assert.deepEqual(await errors(), []);
  });

  // Chromium may answer the page's question before the movie has a frame: it then
  // draws nothing and does not refuse, and only the first upload tells.
  const answersEarly = [() => {
    const draw = CanvasRenderingContext2D.prototype.drawImage;
    CanvasRenderingContext2D.prototype.drawImage = function (source, ...rest) {
      return source instanceof HTMLVideoElement ? undefined : draw.call(this, source, ...rest);
    };
  }];
  for (const [how, init] of [['when asked', []], ['at the first upload', answersEarly]]) {
    test(`says that the browser refuses to draw the movie (${how}) and how to view the page`,
      { skip: drawsFromFile && `${ENGINE} draws it` }, async () => {
        const { page, errors } = await openFile(init);
        const text = await waitCover(page, 'the message for a file: page');
        assert.match(text, /opened from a file/);
        assert.match(text, /tessaly preview tour\.html/);
        const state = await viewerState(page);
        assert.deepEqual([state.ready, state.paused], [false, true], 'nothing drawn from the tainted movie, nothing heard');
        assert.deepEqual(await errors(), []);
      });
  }
});

describe('autoplay', () => {
  test('where sound may not start the movie plays muted with a note; a click brings the sound', async () => {
    const strict = await sharedBrowser('muted');
    // A movie with sound is what the policy holds back; stand in for one.
    const withSound = () => {
      const play = HTMLMediaElement.prototype.play;
      HTMLMediaElement.prototype.play = function () {
        if (!this.muted && !navigator.userActivation.hasBeenActive) {
          return Promise.reject(new DOMException('sound needs a gesture', 'NotAllowedError'));
        }
        return play.call(this);
      };
    };
    const { page, errors } = await session.open({}, { browser: strict, init: [withSound] });
    await waitFor(page, () => !window.__tessaly.state().paused, undefined, { what: 'muted autoplay' });
    assert.equal((await viewerState(page)).muted, true);
    assert.equal(await page.hasText('span', 'tap for sound'), true);
    await page.mouse.click(275, 200);
    await waitFor(page, () => !window.__tessaly.state().muted, undefined, { what: 'the sound' });
    assert.equal(await page.hasText('span', 'tap for sound'), false);
    assert.equal((await viewerState(page)).paused, false);
    assert.deepEqual(await errors(), []);
  });

  test('where nothing may start, a play sign over the poster starts the movie with sound', async () => {
    const refuse = () => {
      const play = HTMLMediaElement.prototype.play;
      HTMLMediaElement.prototype.play = function () {
        if (!navigator.userActivation.hasBeenActive) {
          this.pause();
          return Promise.reject(new DOMException('no autoplay', 'NotAllowedError'));
        }
        return play.call(this);
      };
      // The autoplay attribute would start it behind the page's back.
      document.addEventListener('DOMContentLoaded', () => document.getElementById('video').removeAttribute('autoplay'));
    };
    const { page, errors } = await session.open({}, { init: [refuse], waitMovie: false });
    assert.equal(await waitCover(page, 'the play sign'), 'Play');
    assert.equal((await viewerState(page)).paused, true);
    await page.click('.tessaly-cover');
    await waitFor(page, () => !window.__tessaly.state().paused, undefined, { what: 'playing after the click' });
    const state = await viewerState(page);
    assert.equal(state.muted, false);
    assert.equal(await coverText(page), null);
    assert.deepEqual(await errors(), []);
  });
});

// Canvases that give no context of these kinds, as a browser without them.
const withoutContexts = (kinds) => [(refused) => {
  const getContext = HTMLCanvasElement.prototype.getContext;
  HTMLCanvasElement.prototype.getContext = function (kind, ...rest) {
    return refused.includes(kind) ? null : getContext.call(this, kind, ...rest);
  };
}, kinds];

function assertColour(actual, expected, where) {
  const off = expected.map((c, i) => Math.abs(c - actual[i]));
  assert.ok(Math.max(...off) <= 6, `${where}: expected ${expected}, got ${actual.slice(0, 3)}`);
}

describe('WebGL', () => {
  test('with WebGL 1 only, the picture, a hot spot, seeking and the time are as with WebGL 2', async () => {
    const { page, errors } = await session.open({ fov: 90 }, {
      init: [withoutContexts(['webgl2'])],
      hotSpots: [{ slot: 1, pos: 1, time: 1, yaw: 0, title: 'Door', link: 'door.html' }],
    });
    // A canvas holding a WebGL 2 context gives none of version 1.
    assert.equal(await page.evaluate(() => document.querySelector('#container canvas').getContext('webgl')
      instanceof WebGLRenderingContext), true);
    await seekTo(page, 0.5);
    assertColour(await sample(page, 275, 200), [255, 255, 255], 'centre (u = 0.5 marker)');
    assertColour(await sample(page, 175, 200), [0, 255, 0], 'left of centre');
    assert.equal(await iconCentre(page, 'hs1'), null, 'before its window');
    await seekTo(page, 1.5);
    const at = await iconCentre(page, 'hs1');
    assert.ok(at && Math.abs(at[0] - 275) <= 2 && Math.abs(at[1] - 200) <= 2, `hot spot ahead: ${at}`);
    await seekTo(page, 3.2);
    assert.equal(await iconCentre(page, 'hs1'), null, 'after its window');
    assert.equal(await page.textContent('#play_time'), '00:03 / 00:04');
    assertColour(await sample(page, 275, 200), [255, 255, 255], 'centre after seeking');
    assert.deepEqual(await errors(), []);
  });

  // Opens a page whose drawing cannot start (init: what the page runs first); resolves to
  // the words on the cover once the movie could have played.
  async function refusedDrawing(init) {
    const { url, server } = await session.serve({}, { init: [init] });
    const page = await session.browser.newPage();
    page.server = server;
    session.later(() => page.close());
    await page.goto(url);
    const text = await waitCover(page, 'the message');
    const cover = await page.evaluate(() => {
      const r = document.querySelector('.tessaly-cover').getBoundingClientRect();
      return [r.left, r.top, r.width, r.height, getComputedStyle(document.querySelector('.tessaly-cover')).backgroundImage];
    });
    assert.deepEqual(cover.slice(0, 4), [0, 0, 550, 400], 'over the viewer');
    assert.ok(cover[4].includes('images/poster.jpg'), cover[4]);
    assert.equal(await page.evaluate(() => document.querySelectorAll('canvas').length), 0);
    // Long enough for autoplay to have started it.
    await waitFor(page, () => document.getElementById('video').readyState >= 2, undefined, { what: 'the movie loaded' });
    assert.equal(await page.evaluate(() => document.getElementById('video').paused), true);
    assert.deepEqual(await page.errors(), []);
    return text;
  }

  // Hands the driver a changed source for the fragment shader (the one that samples the movie).
  const changeFragmentShader = (change) => [(how) => {
    for (const context of [WebGLRenderingContext, WebGL2RenderingContext]) {
      const shaderSource = context.prototype.shaderSource;
      context.prototype.shaderSource = function (shader, source) {
        const fragment = source.includes('gl_FragColor');
        const changed = how === 'garble' ? 'garbled ' + source : source.split('texel').join('texcoord');
        shaderSource.call(this, shader, fragment ? changed : source);
      };
    }
  }, change];

  test('without any WebGL the page says why in words over the poster, and the movie stays silent', async () => {
    const text = await refusedDrawing(withoutContexts(['webgl2', 'webgl', 'experimental-webgl']));
    assert.equal(text, 'This browser cannot draw 3D graphics: WebGL is off or missing. The 360 degree movie cannot be shown without it.');
  });

  test('a shader the driver does not compile is said in words, with what the driver said', async () => {
    const text = await refusedDrawing(changeFragmentShader('garble'));
    assert.match(text, /^This browser cannot show the 360 degree movie: its graphics driver refused to compile the fragment shader\.The driver said: \S/);
  });

  test('a shader program the driver does not link is said in words', async () => {
    const text = await refusedDrawing(changeFragmentShader('rename'));
    assert.match(text, /^This browser cannot show the 360 degree movie: its graphics driver refused to link the shader program\./);
  });
});

describe('VR', () => {
  test('an Enter VR button only where an immersive session is available', async () => {
    const plain = await session.open({});
    assert.equal(await plain.page.hasText('button', 'Enter VR'), false);
    const headset = () => {
      Object.defineProperty(navigator, 'xr', {
        value: { isSessionSupported: (mode) => Promise.resolve(mode === 'immersive-vr'), requestSession: () => Promise.reject(new DOMException('no headset', 'NotSupportedError')) },
      });
    };
    const vr = await session.open({}, { init: [headset] });
    await waitFor(vr.page, () => [...document.querySelectorAll('button')].some((b) => b.textContent === 'Enter VR'),
      undefined, { what: 'the Enter VR button' });
    // A refused session leaves the page as it was.
    await vr.page.clickText('button', 'Enter VR');
    assert.equal(await vr.page.hasText('button', 'Enter VR'), true);
    assert.deepEqual([...await plain.errors(), ...await vr.errors()], []);
  });
});

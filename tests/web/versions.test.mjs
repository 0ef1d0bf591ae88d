// A page whose sources say what each version of the movie is: the version it
// starts with, how it follows a link whose rate the server changes (rates scaled
// down with the movies'), and the quality item. Without the facts, the browser's choice.
import assert from 'node:assert/strict';
import { readFileSync, statSync, writeFileSync } from 'node:fs';
import { basename, join } from 'node:path';
import { before, describe, test } from 'node:test';
import { ENGINE, pageSession, waitFor } from './lib/browser.mjs';
import { VERSIONS, versionMovies } from './lib/movie.mjs';

// Bytes a second: five times what the largest version needs; enough for the middle one only.
const FAST = 320 * 1024;
const SLOW = 40 * 1024;

const session = pageSession(null, { OS_FPS: 15, nSegmentsWidth: 32, nSegmentsHeight: 16 });
let movies;
let names;
let facts;

before(async () => {
  movies = versionMovies().reverse(); // largest first, as `encode` fills the slots
  names = movies.map((file) => basename(file));
  facts = movies.map((file) => {
    const width = Number(/version-(\d+)/.exec(basename(file))[1]);
    return { width, height: width / 2, bitrate: Math.round((statSync(file).size * 8) / VERSIONS.seconds) };
  });
  await session.start();
});

// Writes each version's facts (or the claimed ones) on its source line.
const describeSources = (claimed = facts) => (dir) => {
  let html = readFileSync(join(dir, 'tour.html'), 'utf8');
  names.forEach((name, i) => {
    const { width, height, bitrate } = claimed[i];
    html = html.replace(`"${name}" type='video/webm'`, `"${name}" type='video/webm' data-width="${width}" ` +
      `data-height="${height}" data-fps="${VERSIONS.fps}" data-bitrate="${bitrate}" data-codecs="vp8"`);
  });
  writeFileSync(join(dir, 'tour.html'), html);
};

// In the page: each version loaded, each wait, each change with the movie time before it.
function recordVersions() {
  const log = window.__versions = { loaded: [], waits: [], changes: [], times: [] };
  const name = (video) => video.currentSrc.split('/').pop();
  let last = 0;
  const on = (type, listener) => document.addEventListener(type, (e) => e.target.id === 'video' && listener(e.target), true);
  on('loadeddata', (video) => log.loaded.push(name(video)));
  on('waiting', () => log.waits.push(performance.now()));
  on('loadstart', (video) => log.changes.push({ at: performance.now(), to: name(video), from: last }));
  on('timeupdate', (video) => {
    if (video.readyState >= 2 && !video.seeking) log.times.push({ at: performance.now(), time: (last = video.currentTime) });
  });
}

const playing = (page) => page.evaluate(() => document.getElementById('video').currentSrc.split('/').pop());
const label = (page) => page.evaluate(() => document.getElementById('quality')?.firstChild.textContent ?? null);
const open = (config, options) => session.open(config, { movies, init: [recordVersions], change: describeSources(), ...options });

// Waits until `name` plays with its time past `seconds` (any version when name is null).
function waitPlaying(page, name, seconds = 0, timeoutMs = 30000) {
  return waitFor(page, ([n, t]) => {
    const video = document.getElementById('video');
    return (!n || video.currentSrc.endsWith('/' + n)) && video.readyState >= 2 && !video.paused && video.currentTime > t;
  }, [name, seconds], { timeoutMs, what: `${name || 'the movie'} playing past ${seconds} s` });
}

describe('the version a page starts with', () => {
  test('a fast link plays the largest version the view can use, named in the quality item', async () => {
    const { page, errors } = await open({});
    assert.equal(await playing(page), names[0]);
    await waitFor(page, () => !!document.getElementById('quality'), undefined, { what: 'the quality item' });
    assert.equal(await label(page), `Auto ${facts[0].height}p`);
    assert.deepEqual(await errors(), []);
  });

  test('a device whose largest texture is 4096 never loads a wider version', async () => {
    // Small files claimed as 8K, 4K and 2K, in a view that wants more than 4096 pixels.
    const claimed = facts.map((f, i) => ({ ...f, width: 8192 >> i, height: 4096 >> i }));
    const cap = [(largest) => {
      window.__tessalyMaxTextureSize = largest;
    }, 4096];
    const { page } = await open({ RENDER_X: 1000, RENDER_Y: 400, fov: 40 },
      { init: [recordVersions, cap], change: describeSources(claimed) });
    assert.equal(await playing(page), names[1]);
    assert.ok(!(await page.evaluate(() => window.__versions.loaded)).includes(names[0]));
  });

  test('a page without the facts plays its first source and has no quality item', async () => {
    const { page } = await session.open({}, { movies });
    assert.equal(await playing(page), names[0]);
    assert.equal(await label(page), null);
  });
});

// WebKitGTK held the whole short movie at once and never stalled (README.md).
const skipStalls = ENGINE === 'webkit' ? 'WebKitGTK does not stall on these short movies' : false;

describe('changing version while playing', () => {
  test('a slower link steps down soon after its first stall, a faster one steps up, and the time goes on',
    { skip: skipStalls }, async () => {
      // The link slows as soon as the large version starts loading, before the browser holds much of it.
      const { page, server, errors } = await open({}, { rate: FAST, waitMovie: false });
      await waitFor(page, (n) => document.getElementById('video').currentSrc.endsWith('/' + n), names[0],
        { what: 'the large version loading' });
      server.setMovieRate(SLOW);
      await waitPlaying(page, names[0]);
      const playingAt = await page.evaluate(() => performance.now());
      const down = await waitFor(page, ([at, from]) => window.__versions.changes.find((c) => c.at > at && c.to !== from),
        [playingAt, names[0]], { timeoutMs: 45000, what: 'a step down' });
      const firstStall = (await page.evaluate(() => window.__versions.waits)).find((at) => at > playingAt);
      assert.ok(down.at - firstStall <= 15000, `stepped down ${Math.round(down.at - firstStall)} ms after the first stall`);
      assert.equal(down.to, names[1]);
      // The smaller version plays on from where the large one was, not from the start.
      await waitPlaying(page, null, down.from + 0.5, 45000);
      const resumed = (await page.evaluate(() => window.__versions.times)).find((t) => t.at > down.at);
      assert.ok(Math.abs(resumed.time - down.from) < 0.5, `went on at ${resumed.time} s after ${down.from} s`);

      const riseAt = await page.evaluate(() => performance.now());
      server.setMovieRate(FAST);
      await waitFor(page, ([at, order]) => window.__versions.changes.find((c, i, all) => c.at > at &&
        order.indexOf(c.to) < order.indexOf(all[i - 1].to)), [riseAt, names], { timeoutMs: 45000, what: 'a step up' });
      // A change drops what was still coming of the version before.
      assert.deepEqual((await errors()).filter((e) => !/^request failed: .*\.webm$/.test(e)), []);
    });

  test('a version chosen in the quality item holds until Auto', async () => {
    const { page } = await open({}, { rate: FAST });
    await waitFor(page, () => !!document.getElementById('quality'), undefined, { what: 'the quality item' });
    await page.click('#quality');
    await page.clickText('li', `${facts[2].height}p`);
    await waitPlaying(page, names[2]);
    assert.equal(await label(page), `${facts[2].height}p`);
    // Six seconds of movie: long enough for Auto to step up on this link, as it then does.
    const chosenAt = await page.evaluate(() => document.getElementById('video').currentTime);
    await waitPlaying(page, names[2], chosenAt + 6);
    await page.click('#quality');
    await page.clickText('li', 'Auto');
    await waitFor(page, (n) => document.getElementById('video').currentSrc.endsWith('/' + n), names[1],
      { what: 'a step up under Auto' });
  });
});

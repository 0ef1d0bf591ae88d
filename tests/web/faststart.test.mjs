// Where a movie's index lies decides what a visitor's browser fetches before
// the first frame. Both pages are published by the real `tessaly publish` from
// the same movie, its index at the end: one with the movie outside the page
// folder (the published copy gets the index at the front), one with the movie
// already in it (publishing leaves it as it is). The server sends movies at a
// visitor's pace and records what it sent; when the page draws its first movie
// frame, what had been fetched of the movie is compared.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { copyFileSync, mkdirSync, mkdtempSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, describe, test } from 'node:test';
import { sharedBrowser, waitFor } from './lib/browser.mjs';
import { lateIndexMovie } from './lib/movie.mjs';
import { preamble } from './lib/preamble.mjs';
import { startServer } from './lib/server.mjs';

const TESSALY = process.env.TESSALY_BIN;
const HERE = dirname(fileURLToPath(import.meta.url));
const EXAMPLE = join(HERE, '..', 'fixtures', 'model', 'project-example.hs5');
// 512 KiB a second, a slow visitor's line: the 6 MB movie would take 11 s to
// arrive whole, so a first frame drawn from its start comes long before its end
// even on a busy machine.
const MOVIE_RATE = 512 * 1024;

const skip = TESSALY ? false : 'TESSALY_BIN names no tessaly program';

// Publishes a project with `movie` in slot 1 to folder/index.html; tessaly's stderr.
function publish(work, movie, folder) {
  const project = join(work, `${folder}.hs5`);
  const text = readFileSync(EXAMPLE, 'latin1').replace(/<VIDEO1>[^<]*<\/VIDEO1>/, `<VIDEO1>${movie}</VIDEO1>`);
  writeFileSync(project, text, 'latin1');
  const run = spawnSync(TESSALY, ['publish', project, join(work, folder, 'index.html')], { encoding: 'utf8' });
  assert.equal(run.status, 0, run.stderr);
  return run.stderr;
}

// Marks in the page when WebGL first takes a picture from a movie that has one;
// the test waits for the mark, then looks at what the server had sent.
function watchFirstFrame() {
  for (const proto of [WebGLRenderingContext.prototype, WebGL2RenderingContext.prototype]) {
    for (const name of ['texImage2D', 'texSubImage2D']) {
      const original = proto[name];
      proto[name] = function (...args) {
        const video = args.find((a) => a instanceof HTMLVideoElement);
        if (!window.__firstFrame && video && video.readyState >= 2) window.__firstFrame = true;
        return original.apply(this, args);
      };
    }
  }
}

describe('the movie a published page starts with', { skip }, () => {
  let work;
  let server;
  let browser;
  let size;

  before(async () => {
    work = mkdtempSync(join(tmpdir(), 'tessaly-faststart-'));
    const movie = join(work, 'camera', 'tour.mp4');
    mkdirSync(dirname(movie));
    copyFileSync(lateIndexMovie(), movie);
    size = statSync(movie).size;
    assert.ok(size > 4 * 1024 * 1024, `a movie too small to matter: ${size} bytes`);
    assert.match(publish(work, movie, 'copied'), /Publishing succeeded/);
    mkdirSync(join(work, 'inplace'));
    copyFileSync(movie, join(work, 'inplace', 'tour.mp4'));
    assert.match(publish(work, join(work, 'inplace', 'tour.mp4'), 'inplace'),
      /tour\.mp4: has its index at the end.*already lies in the page folder/);
    server = await startServer(work, { preamble: preamble([watchFirstFrame]), movieRate: MOVIE_RATE });
    browser = await sharedBrowser();
  });

  after(async () => {
    if (server) await server.close();
    if (work) rmSync(work, { recursive: true, force: true });
  });

  // Opens folder/index.html; resolves to the movie requests as they stood at the first frame.
  async function fetchedAtFirstFrame(folder) {
    const page = await browser.newPage();
    page.server = server;
    server.errors.length = 0;
    try {
      await page.goto(`${server.url}${folder}/index.html`);
      await waitFor(page, () => window.__firstFrame === true, undefined,
        { what: `a first frame from ${folder}/tour.mp4` });
      const requests = server.movieRequests.filter((r) => r.path === `/${folder}/tour.mp4`).map((r) => ({ ...r }));
      // A movie request cut short when the page closes is no error of the page's.
      assert.deepEqual((await page.errors()).filter((e) => !e.startsWith('request failed')), []);
      return requests;
    } finally {
      await page.close();
    }
  }

  const reach = (request) => request.start + request.sent;
  const describeRequests = (requests) => requests.map((r) => `${r.start}+${r.sent}`).join(', ');

  test('the published copy plays from the start of the file', async () => {
    const requests = await fetchedAtFirstFrame('copied');
    assert.ok(requests.length > 0);
    const copySize = requests[0].size;  // a few KiB more than the movie: padding after the index
    const furthest = Math.max(...requests.map(reach));
    assert.ok(furthest < copySize / 2,
      `first frame after fetching up to byte ${furthest} of ${copySize}: ${describeRequests(requests)}`);
  });

  test('the movie left with its index at the end needs the end of the file first', async () => {
    const requests = await fetchedAtFirstFrame('inplace');
    assert.ok(requests.some((r) => reach(r) === size),
      `first frame before the end of ${size} bytes was fetched: ${describeRequests(requests)}`);
  });
});

// A static file server on 127.0.0.1 for a published tree, with byte ranges so
// the browser can stream and seek the movie (WebKit fails a movie whose range
// request is answered with a 200). It keeps the errors it saw: every answer of
// 400 or more, and what the pages' preamble reported. Optionally it sends
// movies at a set rate, as a visitor's connection would, and records what it
// sent of them.
import { closeSync, createReadStream, openSync, readFileSync, readSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, sep } from 'node:path';
import { ERROR_PATH, withPreamble } from './preamble.mjs';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.css': 'text/css',
  '.png': 'image/png',
  '.gif': 'image/gif',
  '.jpg': 'image/jpeg',
  '.webm': 'video/webm',
  '.mp4': 'video/mp4',
};
const MOVIES = new Set(['.mp4', '.webm']);
// The link carries every TICK_MS what the rate allows, at most SLICE bytes.
const TICK_MS = 20;
const SLICE = 65536;

function resolveInside(root, url) {
  const path = decodeURIComponent(new URL(url, 'http://x').pathname);
  const file = normalize(join(root, path));
  return file.startsWith(root + sep) ? file : null;
}

function parseRange(header, size) {
  const m = /^bytes=(\d*)-(\d*)$/.exec(header || '');
  if (!m || (m[1] === '' && m[2] === '')) return null;
  let start = m[1] === '' ? size - Number(m[2]) : Number(m[1]);
  let end = m[1] === '' || m[2] === '' ? size - 1 : Number(m[2]);
  start = Math.max(0, start);
  end = Math.min(end, size - 1);
  return start <= end ? { start, end } : { invalid: true };
}

// Sends bytes [start, end] of file as the link allows, no faster than the
// client reads; `record.sent` counts what has left. Stops at the end or when
// the client goes away. Every movie answer shares the one link, as a
// visitor's connections do.
function sendSlowly(file, { start, end }, res, link, record) {
  const fd = openSync(file, 'r');
  let at = start;
  const stop = () => {
    clearInterval(timer);
    closeSync(fd);
  };
  const timer = setInterval(() => {
    if (res.writableNeedDrain) return;
    const n = Math.min(Math.floor(link.allowance), end + 1 - at);
    if (n <= 0) return;
    link.allowance -= n;
    const slice = Buffer.alloc(n);
    readSync(fd, slice, 0, n, at);
    at += n;
    record.sent += n;
    if (at > end) {
      res.end(slice);
    } else {
      res.write(slice);
    }
  }, TICK_MS);
  res.once('close', stop);
}

function takeReport(req, res, errors) {
  let text = '';
  req.setEncoding('utf8');
  req.on('data', (d) => {
    text += d;
  });
  req.on('end', () => {
    errors.push(text);
    res.writeHead(204).end();
  });
}

function serve(root, req, res, options) {
  const { preamble, errors, served } = options;
  res.on('finish', () => served.push({
    path: decodeURIComponent(new URL(req.url, 'http://x').pathname), status: res.statusCode, at: Date.now(),
  }));
  if (req.method === 'POST' && req.url === ERROR_PATH) {
    takeReport(req, res, errors);
    return;
  }
  // No favicon answer: the page names its own icon, so a request for one shows up as a 404.
  const file = resolveInside(root, req.url);
  let stat;
  try {
    stat = file && statSync(file);
  } catch {
    stat = null;
  }
  if (!stat || !stat.isFile()) {
    errors.push(`HTTP 404: ${req.url}`);
    res.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found');
    return;
  }
  const type = TYPES[extname(file).toLowerCase()] || 'application/octet-stream';
  if (preamble !== undefined && type.startsWith('text/html')) {
    const body = Buffer.from(withPreamble(readFileSync(file, 'utf8'), preamble));
    res.writeHead(200, { 'Content-Type': type, 'Content-Length': body.length, 'Cache-Control': 'no-store' });
    res.end(req.method === 'HEAD' ? undefined : body);
    return;
  }
  const headers = { 'Content-Type': type, 'Accept-Ranges': 'bytes', 'Cache-Control': 'no-store' };
  const range = req.headers.range ? parseRange(req.headers.range, stat.size) : null;
  if (range && range.invalid) {
    errors.push(`HTTP 416: ${req.url}`);
    res.writeHead(416, { 'Content-Range': `bytes */${stat.size}` }).end();
    return;
  }
  if (range) {
    headers['Content-Range'] = `bytes ${range.start}-${range.end}/${stat.size}`;
    headers['Content-Length'] = range.end - range.start + 1;
    res.writeHead(206, headers);
  } else {
    headers['Content-Length'] = stat.size;
    res.writeHead(200, headers);
  }
  if (req.method === 'HEAD') {
    res.end();
    return;
  }
  if (options.movieRate && MOVIES.has(extname(file).toLowerCase())) {
    const span = range || { start: 0, end: stat.size - 1 };
    const record = { path: req.url, size: stat.size, start: span.start, end: span.end, sent: 0 };
    options.movieRequests.push(record);
    if (stat.size > 0) {
      sendSlowly(file, span, res, options.link, record);
      return;
    }
  }
  createReadStream(file, range || {}).pipe(res);
}

// Starts serving root; resolves to { url, close, errors, served, movieRequests }.
// preamble: a script that every HTML page served runs first. served: { path,
// status, at } of every answer sent, in the order they finished (at: Date.now()).
// With movieRate (bytes a second) movies are sent at that rate, and each request
// for one is recorded in movieRequests as { path, size, start, end, sent }, sent
// growing as the bytes leave; setMovieRate(rate) changes the rate of every
// movie answer, those under way too.
export function startServer(root, { preamble, movieRate = 0 } = {}) {
  const options = { preamble, errors: [], served: [], movieRate, movieRequests: [], link: { allowance: 0 } };
  // The link: every tick it may carry what the rate allows, at most SLICE bytes.
  const link = setInterval(() => {
    options.link.allowance = Math.min(options.link.allowance + (options.movieRate * TICK_MS) / 1000, SLICE);
  }, TICK_MS);
  const server = createServer((req, res) => serve(normalize(root), req, res, options));
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      resolve({
        url: `http://127.0.0.1:${port}/`,
        errors: options.errors,
        served: options.served,
        movieRequests: options.movieRequests,
        setMovieRate: (rate) => {
          options.movieRate = rate;
        },
        close: () => new Promise((done) => {
          clearInterval(link);
          server.closeAllConnections();
          server.close(() => done());
        }),
      });
    });
  });
}

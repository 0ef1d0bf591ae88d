// Test movies made by ffmpeg, cached in the temp folder between runs.
import { execFileSync } from 'node:child_process';
import { existsSync, mkdirSync, renameSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

// Small, so that a playing movie costs the browser little (decoding and uploading
// a frame of twice the size doubled a run's time on a loaded machine).
export const PATTERN = {
  width: 512,
  height: 256,
  seconds: 4,
  // Solid regions by frame column u: blue wraps around u = 0, then red, green, yellow.
  regions: [
    { from: 0.125, to: 0.375, rgb: [255, 0, 0] },
    { from: 0.375, to: 0.625, rgb: [0, 255, 0] },
    { from: 0.625, to: 0.875, rgb: [255, 255, 0] },
  ],
  wrapRgb: [0, 0, 255],
  // Marked columns, a 64th of the frame wide, centred on u.
  markers: [
    { u: 0.5, rgb: [255, 255, 255] },
    { u: 0.25, rgb: [255, 0, 255] },
  ],
};

const hex = (rgb) => '0x' + rgb.map((c) => c.toString(16).padStart(2, '0')).join('');

function filter(w, h) {
  const box = (x, width, rgb) => `drawbox=x=${x}:y=0:w=${width}:h=${h}:color=${hex(rgb)}:t=fill`;
  const boxes = PATTERN.regions.map((r) => box(r.from * w, (r.to - r.from) * w, r.rgb));
  for (const m of PATTERN.markers) boxes.push(box(m.u * w - w / 128, w / 64, m.rgb));
  return [...boxes, 'format=yuv420p'].join(',');
}

// sound: with a quiet tone as its sound track (Opus), else without sound; ambix: instead a
// 4 kHz tone from this many degrees left on the horizon, first-order ambisonic (AmbiX: W,
// Y, Z, X). eye: the pattern only in this much of the frame's top left corner (the left
// eye's picture of a stereo frame), the rest STEREO_OTHER.
function makeMovie(width, height, { sound = false, ambix = null, seconds = PATTERN.seconds, eye = null } = {}) {
  const dir = join(tmpdir(), 'tessaly-web-tests');
  const stereo = eye ? `-eye${eye.width}x${eye.height}` : '';
  const audio = sound ? '-sound' : ambix !== null ? `-ambix${ambix}-${seconds}s` : '';
  const file = join(dir, `pattern-${width}x${height}${stereo}${audio}-v1.webm`);
  if (existsSync(file)) return file;
  mkdirSync(dir, { recursive: true });
  const partial = `${file}.${process.pid}.webm`;
  const source = `color=c=${hex(eye ? STEREO_OTHER : PATTERN.wrapRgb)}:s=${width}x${height}:d=${seconds}:r=10`;
  const [y, x] = [Math.sin, Math.cos].map((f) => f((ambix * Math.PI) / 180).toFixed(6));
  const tone = sound ? ['-f', 'lavfi', '-i', `sine=frequency=440:duration=${seconds}`, '-c:a', 'libopus'] : ambix === null ? []
    : ['-f', 'lavfi', '-i', `sine=frequency=4000:duration=${seconds}`, '-af', `pan=quad|c0=c0|c1=${y}*c0|c2=0*c0|c3=${x}*c0`, '-c:a', 'libopus', '-b:a', '256k'];
  const pattern = eye ? `drawbox=x=0:y=0:w=${eye.width}:h=${eye.height}:color=${hex(PATTERN.wrapRgb)}:t=fill,` +
    filter(eye.width, eye.height) : filter(width, height);
  execFileSync('ffmpeg', ['-v', 'error', '-y', '-f', 'lavfi', '-i', source, ...tone, '-vf', pattern,
    '-c:v', 'libvpx', '-crf', '4', '-b:v', '4M', '-qmin', '0', '-qmax', '8', '-auto-alt-ref', '0', partial]);
  renameSync(partial, file);
  return file;
}

// The 2:1 equirectangular pattern as VP8 WebM; returns its path.
export function patternMovie() {
  return makeMovie(PATTERN.width, PATTERN.height);
}

// The same columns on a 4:1 cylindrical frame.
export function cylinderMovie() {
  return makeMovie(PATTERN.width, PATTERN.width / 4);
}

// The 2:1 pattern at half the size.
export function smallMovie() {
  return makeMovie(PATTERN.width / 2, PATTERN.height / 2);
}

// The right eye's picture of the stereo movies: one colour the pattern has nowhere.
export const STEREO_OTHER = [0, 255, 255];

// Stereo frames whose left eye's picture is the small pattern (the top half of a
// 256x256 frame, the left half of a 512x128 one) and the right eye's STEREO_OTHER.
export function stereoMovie(layout) {
  const eye = { width: PATTERN.width / 2, height: PATTERN.height / 2 };
  return layout === 'top-bottom' ? makeMovie(eye.width, 2 * eye.height, { eye }) : makeMovie(2 * eye.width, eye.height, { eye });
}

// A top-bottom 180-degree movie: the pattern on the 128x128 top half covers the front
// half of the sphere (column u at yaw 180 (u - 0.5)), the bottom half is STEREO_OTHER.
export function halfSphereMovie() {
  const eye = { width: PATTERN.width / 4, height: PATTERN.width / 4 };
  return makeMovie(eye.width, 2 * eye.height, { eye });
}

// The small pattern with a sound track: an engine may play a movie without one
// unmuted where sound may not start by itself, since it makes no sound.
export function soundMovie() {
  return makeMovie(PATTERN.width / 2, PATTERN.height / 2, { sound: true });
}

// The small pattern with a tone from `azimuth` degrees left as first-order ambisonic sound.
export function ambisonicMovie(azimuth, seconds = PATTERN.seconds) {
  return makeMovie(PATTERN.width / 2, PATTERN.height / 2, { ambix: azimuth, seconds });
}

// The ambisonic movie as `tessaly encode` makes a version of it: H.264, and the four channels
// passed over in order as AAC in FFmpeg's 4.0 layout (C, L, R and a back channel in AAC's terms).
export function ambisonicVersion(azimuth, seconds) {
  const movie = ambisonicMovie(azimuth, seconds);
  const file = movie.replace(/\.webm$/, '-aac.mp4');
  if (existsSync(file)) return file;
  const partial = `${file}.${process.pid}.mp4`;
  execFileSync('ffmpeg', ['-v', 'error', '-y', '-i', movie, '-c:v', 'libx264', '-pix_fmt', 'yuv420p', '-filter:a',
    'channelmap=map=0-FL|1-FR|2-FC|3-BC:channel_layout=4.0', '-c:a', 'aac', '-b:a', '384k', '-movflags', '+faststart', partial]);
  renameSync(partial, file);
  return file;
}

// A file named like a movie that no browser can decode.
export function brokenMovie() {
  const dir = join(tmpdir(), 'tessaly-web-tests');
  const file = join(dir, 'broken.webm');
  mkdirSync(dir, { recursive: true });
  if (!existsSync(file)) writeFileSync(file, Buffer.alloc(4096, 'not a movie '));
  return file;
}

// Frames that show their own number n as one flat colour: red 32 (n mod 8) + 16,
// green 32 floor(n / 8) + 16, blue 128. CLOCK.fps frames a second, CLOCK.frames in all;
// every frame a key frame, so a seek lands at once.
export const CLOCK = { fps: 10, frames: 64 };

export function clockMovie() {
  const dir = join(tmpdir(), 'tessaly-web-tests');
  const file = join(dir, 'clock-v2.webm');
  if (existsSync(file)) return file;
  mkdirSync(dir, { recursive: true });
  const partial = `${file}.${process.pid}.webm`;
  const source = `color=c=black:s=512x256:r=${CLOCK.fps}:d=${CLOCK.frames / CLOCK.fps}`;
  const colour = "geq=r='32*mod(N\\,8)+16':g='32*floor(N/8)+16':b=128";
  execFileSync('ffmpeg', ['-v', 'error', '-y', '-f', 'lavfi', '-i', source, '-vf', `format=rgb24,${colour},format=yuv420p`,
    '-c:v', 'libvpx', '-crf', '4', '-b:v', '2M', '-g', '1', '-auto-alt-ref', '0', partial]);
  renameSync(partial, file);
  return file;
}

// An H.264 MP4 with its index at the end of the file, as cameras and ffmpeg
// write it: 6 s of 1024x512 at about 8 Mbit/s (some 6 MB), so a browser that
// needs the index first has to fetch the end of a file too large to arrive at once.
export function lateIndexMovie() {
  const dir = join(tmpdir(), 'tessaly-web-tests');
  const file = join(dir, 'late-index-v1.mp4');
  if (existsSync(file)) return file;
  mkdirSync(dir, { recursive: true });
  const partial = `${file}.${process.pid}.mp4`;
  execFileSync('ffmpeg', ['-v', 'error', '-y', '-f', 'lavfi', '-i', 'testsrc2=size=1024x512:rate=25', '-t', '6',
    '-c:v', 'libx264', '-preset', 'ultrafast', '-b:v', '8M', '-minrate', '8M', '-maxrate', '8M', '-bufsize', '4M',
    '-pix_fmt', 'yuv420p', '-f', 'mp4', partial]);
  renameSync(partial, file);
  return file;
}

// Three versions of one movie for a page to choose from, smallest first: VERSIONS.seconds
// of noise (so each keeps to its bit rate) at each width, 2:1, VP8 at VERSIONS.fps, the
// index in front as published movies have it (without, Firefox reads a version it
// changes to from its start instead of from the time it changes at). Long enough that
// after a late step down much of the smaller version is still to come, so a faster
// link can be measured before the movie is held whole; no longer, as WebKitGTK's page
// load waits for the whole movie.
export const VERSIONS = {
  fps: 10,
  seconds: 24,
  sizes: [{ width: 128, bitrate: 100000 }, { width: 256, bitrate: 200000 }, { width: 512, bitrate: 400000 }],
};

export function versionMovies() {
  const dir = join(tmpdir(), 'tessaly-web-tests');
  mkdirSync(dir, { recursive: true });
  return VERSIONS.sizes.map(({ width, bitrate }) => {
    const file = join(dir, `version-${width}-v4.webm`);
    if (existsSync(file)) return file;
    const partial = `${file}.${process.pid}.webm`;
    const source = `testsrc=s=${width}x${width / 2}:r=${VERSIONS.fps}:d=${VERSIONS.seconds}`;
    execFileSync('ffmpeg', ['-v', 'error', '-y', '-f', 'lavfi', '-i', source, '-vf', 'noise=alls=60:allf=t,format=yuv420p',
      '-c:v', 'libvpx', '-deadline', 'realtime', '-cpu-used', '8', '-b:v', String(bitrate), '-minrate', String(bitrate),
      '-maxrate', String(bitrate), '-g', String(VERSIONS.fps * 2), '-auto-alt-ref', '0', '-cues_to_front', '1', partial]);
    renameSync(partial, file);
    return file;
  });
}


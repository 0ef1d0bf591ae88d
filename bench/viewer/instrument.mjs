// What the viewer benchmarks put into a page before its own scripts: WebGL
// wrapped so that the first movie frame, the uploads and the drawn frames are
// seen the same way in every page and every engine. Runs in the page.
export function instrument() {
  const bench = (window.__bench = {
    uploads: 0, uploadMs: 0, firstUploadAt: null, firstFrameAt: null, drawnFrames: 0,
    perVideoFrame: new Map(), framesUploadedTwice: 0, maxUploadsOfAFrame: 0, tick: 0, drawnTick: -1,
  });
  const isVideo = (source) => source instanceof HTMLVideoElement;
  const keys = new WeakMap();
  const follow = (video) => {
    if (keys.has(video)) return;
    keys.set(video, null);
    // presentedFrames, not mediaTime: a looping movie shows the same times again.
    const onFrame = (_now, meta) => {
      keys.set(video, meta.presentedFrames);
      video.requestVideoFrameCallback(onFrame);
    };
    video.requestVideoFrameCallback(onFrame);
  };
  // Follow each movie from its first play, so a page that uploads from its own
  // requestVideoFrameCallback finds the frame already keyed.
  const play = HTMLMediaElement.prototype.play;
  HTMLMediaElement.prototype.play = function (...args) {
    if (this instanceof HTMLVideoElement) follow(this);
    return play.apply(this, args);
  };
  document.addEventListener('play', (e) => e.target instanceof HTMLVideoElement && follow(e.target), true);
  const tick = () => {
    bench.tick++;
    requestAnimationFrame(tick);
  };
  requestAnimationFrame(tick);
  for (const proto of [WebGLRenderingContext.prototype, WebGL2RenderingContext.prototype]) {
    for (const name of ['texImage2D', 'texSubImage2D']) {
      const original = proto[name];
      proto[name] = function (...args) {
        const source = args[args.length - 1];
        if (!isVideo(source) || source.readyState < 2) return original.apply(this, args);
        follow(source);
        const start = performance.now();
        const result = original.apply(this, args);
        bench.uploadMs += performance.now() - start;
        bench.uploads++;
        const key = `${source.currentSrc}@${keys.get(source) ?? 'before its first frame callback'}`;
        const count = (bench.perVideoFrame.get(key) || 0) + 1;
        bench.perVideoFrame.set(key, count);
        if (count === 2) bench.framesUploadedTwice++;
        bench.maxUploadsOfAFrame = Math.max(bench.maxUploadsOfAFrame, count);
        if (bench.firstUploadAt === null) {
          bench.firstUploadAt = start;
          requestAnimationFrame(() => {
            bench.firstFrameAt = performance.now();
          });
        }
        return result;
      };
    }
    for (const name of ['drawArrays', 'drawElements']) {
      const original = proto[name];
      proto[name] = function (...args) {
        if (bench.drawnTick !== bench.tick) {
          bench.drawnTick = bench.tick;
          bench.drawnFrames++;
        }
        return original.apply(this, args);
      };
    }
  }
  bench.snapshot = () => ({
    uploads: bench.uploads, uploadMs: bench.uploadMs, drawnFrames: bench.drawnFrames,
    firstFrameAt: bench.firstFrameAt, framesUploadedTwice: bench.framesUploadedTwice,
    maxUploadsOfAFrame: bench.maxUploadsOfAFrame, videoFrames: bench.perVideoFrame.size,
  });
}

// Also in the page: the time spent in the page's animation-frame, video-frame
// and timer callbacks, the main-thread script cost every engine can measure.
export function timeScripts() {
  const bench = window.__bench;
  bench.scriptMs = 0;
  const timed = (callback) => function (...args) {
    const start = performance.now();
    try {
      return callback.apply(this, args);
    } finally {
      bench.scriptMs += performance.now() - start;
    }
  };
  const raf = window.requestAnimationFrame;
  window.requestAnimationFrame = (callback) => raf.call(window, timed(callback));
  const timeout = window.setTimeout;
  window.setTimeout = (callback, ...rest) => timeout.call(window, typeof callback === 'function' ? timed(callback) : callback, ...rest);
  const frames = HTMLVideoElement.prototype.requestVideoFrameCallback;
  if (frames) {
    HTMLVideoElement.prototype.requestVideoFrameCallback = function (callback) {
      return frames.call(this, timed(callback));
    };
  }
  const snapshot = bench.snapshot;
  bench.snapshot = () => ({ ...snapshot(), scriptMs: bench.scriptMs });
}

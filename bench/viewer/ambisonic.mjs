// The ambisonic sound graph's cost while playing: one movie with first-order
// ambisonic sound, served twice (the tests' trees, tests/web/lib), once marked
// data-audio="ambix" (the page turns and decodes it through Web Audio) and once
// not (the element plays it by itself). Headless Chromium (the only engine here
// whose audio context runs without a sound device), the two pages alternating,
// RUNS each: CPU seconds a second of every process of the browser over
// SECONDS of playback, after a second of warm-up. Medians.
//
//   node bench/viewer/ambisonic.mjs        RUNS=5 SECONDS=5; needs the dev build's test scripts
import { readFileSync, readdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { launch, waitFor } from '../../tests/web/lib/engine.mjs';
import { ambisonicMovie } from '../../tests/web/lib/movie.mjs';
import { preamble } from '../../tests/web/lib/preamble.mjs';
import { startServer } from '../../tests/web/lib/server.mjs';
import { buildTree } from '../../tests/web/lib/tree.mjs';

const RUNS = Number(process.env.RUNS || 5);
const SECONDS = Number(process.env.SECONDS || 5);
const TICK = 100;

// utime + stime of every process, by pid and parent.
function processes() {
  const all = new Map();
  for (const name of readdirSync('/proc')) {
    if (!/^\d+$/.test(name)) continue;
    try {
      const stat = readFileSync(`/proc/${name}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      all.set(Number(name), { parent: Number(fields[1]), ticks: Number(fields[11]) + Number(fields[12]) });
    } catch {
      // gone meanwhile
    }
  }
  return all;
}

// CPU ticks of this process's descendants (the browser and its helpers).
function browserTicks() {
  const all = processes();
  const mine = new Set([process.pid]);
  let grew = true;
  while (grew) {
    grew = false;
    for (const [pid, p] of all) {
      if (!mine.has(pid) && mine.has(p.parent)) {
        mine.add(pid);
        grew = true;
      }
    }
  }
  mine.delete(process.pid);
  let ticks = 0;
  for (const pid of mine) ticks += all.get(pid).ticks;
  return ticks;
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function measure(browser, url, marked) {
  const page = await browser.newPage();
  await page.goto(url);
  await waitFor(page, () => !!window.__tessaly && window.__tessaly.state().time > 1, undefined, { timeoutMs: 60000 });
  // The decoded page is measured with the test hook's two analysers on its output (a small part of its cost).
  if (marked) await waitFor(page, () => !!window.__tessaly.ears(), undefined, { what: 'the decoder' });
  else if (await page.evaluate(() => window.__tessaly.ears() !== null)) throw new Error('a graph on the plain page');
  const start = browserTicks();
  await new Promise((resolve) => setTimeout(resolve, SECONDS * 1000));
  const cpu = (browserTicks() - start) / TICK / SECONDS;
  const played = await page.evaluate(() => window.__tessaly.state().time);
  await page.close();
  return { cpu, played };
}

const movie = ambisonicMovie(90, 30);
const trees = [false, true].map((marked) => {
  const tree = buildTree({ movie, config: { OS_FPS: 30 } });
  if (marked) {
    const file = join(tree.dir, tree.pageName);
    writeFileSync(file, readFileSync(file, 'utf8').replace('<SOURCE ', '<SOURCE data-audio="ambix" '));
  }
  return tree;
});
const servers = await Promise.all(trees.map((tree) => startServer(tree.dir, { preamble: preamble([]) })));
const browser = await launch({ engine: 'chromium', autoplay: 'allow' });
const results = [[], []];
try {
  for (let run = 0; run < RUNS; run += 1) {
    for (const index of run % 2 ? [1, 0] : [0, 1]) {
      const result = await measure(browser, servers[index].url + trees[index].pageName, index === 1);
      results[index].push(result.cpu);
      console.error(`run ${run + 1} ${index ? 'decoded' : 'plain  '} cpu ${result.cpu.toFixed(3)} (movie at ${result.played.toFixed(1)} s)`);
    }
  }
} finally {
  await browser.close();
  for (const server of servers) await server.close();
  for (const tree of trees) tree.remove();
}
const plain = median(results[0]);
const decoded = median(results[1]);
console.log(`ambisonic movie, Chromium, medians of ${RUNS} runs, CPU seconds a second of the whole browser over ${SECONDS} s`);
console.log(`  element plays it:          ${plain.toFixed(3)}`);
console.log(`  turned and decoded:        ${decoded.toFixed(3)}`);
console.log(`  decoded / plain:           ${(decoded / plain).toFixed(2)}`);

import { launch, waitFor } from './lib/engine.mjs';
import { startServer } from './lib/server.mjs';
import { buildTree } from './lib/tree.mjs';
import { preamble } from './lib/preamble.mjs';
import { patternMovie, smallMovie } from './lib/movie.mjs';
import { readdirSync, readFileSync } from 'node:fs';
// CPU seconds of this process's descendants, from /proc.
function cpu() {
  const procs = [];
  for (const pid of readdirSync('/proc').filter((p) => /^\d+$/.test(p))) {
    try {
      const stat = readFileSync(`/proc/${pid}/stat`, 'utf8');
      const f = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      procs.push([pid, f[1], Number(f[11]) + Number(f[12])]);
    } catch {}
  }
  const kids = new Map();
  for (const [pid, ppid] of procs) { if (!kids.has(ppid)) kids.set(ppid, []); kids.get(ppid).push(pid); }
  const tree = new Set(); const walk = (p) => { for (const k of kids.get(p) || []) { tree.add(k); walk(k); } };
  walk(String(process.pid));
  return procs.filter(([pid]) => tree.has(pid)).reduce((s, r) => s + r[2], 0) / 100;
}
const browser = await launch({ engine: process.env.TESSALY_ENGINE });
const cases = [['big128', patternMovie(), 128], ['small128', smallMovie(), 128], ['big32', patternMovie(), 32], ['small32', smallMovie(), 32]];
try {
  for (const round of [0, 1]) for (const [name, movie, seg] of cases) {
    const tree = buildTree({ movie, config: { nSegmentsWidth: seg, nSegmentsHeight: seg } });
    const server = await startServer(tree.dir, { preamble: preamble() });
    const page = await browser.newPage();
    await page.goto(server.url + tree.pageName);
    await waitFor(page, () => window.__tessaly && window.__tessaly.state().ready, undefined, { timeoutMs: 60000 });
    await new Promise((r) => setTimeout(r, 1000));
    const c0 = cpu(); const t0 = Date.now();
    await new Promise((r) => setTimeout(r, 5000));
    const c1 = cpu();
    console.log(name, 'cpu s per s', ((c1 - c0) / ((Date.now() - t0) / 1000)).toFixed(2));
    await page.close(); await server.close(); tree.remove();
  }
} finally { await browser.close(); }

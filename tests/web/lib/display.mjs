// An X server of our own for the engines that need one: Firefox has WebGL only
// with a display, WebKitGTK's browser has no headless mode. Xvfb picks a free
// display number itself (-displayfd), so parallel runs never collide.
import { spawn } from 'node:child_process';

const XVFB = process.env.TESSALY_XVFB || 'Xvfb';

// Resolves to { display: ':N', stop() }.
export function startDisplay() {
  return new Promise((resolve, reject) => {
    const server = spawn(XVFB, ['-displayfd', '3', '-screen', '0', '1280x1024x24', '-nolisten', 'tcp', '-noreset'],
      { stdio: ['ignore', 'ignore', 'pipe', 'pipe'] });
    let said = '';
    let stderr = '';
    const timer = setTimeout(() => fail(new Error('Xvfb did not say its display within 60 s')), 60000);
    const fail = (error) => {
      clearTimeout(timer);
      server.kill();
      reject(new Error(`${error.message}${stderr ? `: ${stderr.trim()}` : ''}`));
    };
    server.once('error', (e) => fail(new Error(`cannot start ${XVFB}: ${e.message}`)));
    server.once('exit', (code) => fail(new Error(`${XVFB} ended with status ${code}`)));
    server.stderr.on('data', (d) => {
      stderr += d;
    });
    server.stdio[3].on('data', (d) => {
      said += d;
      if (!said.includes('\n')) return;
      clearTimeout(timer);
      server.removeAllListeners('exit');
      server.stdio[3].destroy();
      server.stderr.destroy();
      resolve({
        display: `:${said.trim()}`,
        stop: () => new Promise((done) => {
          if (server.exitCode !== null) {
            done();
            return;
          }
          server.once('exit', () => done());
          server.kill();
        }),
      });
    });
  });
}

// What every test page runs before its own scripts, put into the page itself so
// that it works the same in every engine (WebKitWebDriver has no init scripts):
// a report of every script error to the test server, and the test's own
// stand-ins (a browser without WebGL, a smaller device...).
export const ERROR_PATH = '/__tessaly/error';

// Runs in the page. A synchronous request, so the server has the error before
// the page can go on (or away).
function reportErrors(path) {
  const report = (text) => {
    try {
      const request = new XMLHttpRequest();
      request.open('POST', path, false);
      request.send(text);
    } catch {
      (window.__tessalyErrors = window.__tessalyErrors || []).push(text);
    }
  };
  window.addEventListener('error', (e) => {
    if (e instanceof ErrorEvent) report(`page error: ${e.message}`);
  }, true);
  window.addEventListener('unhandledrejection', (e) => report(`page error: ${e.reason && e.reason.message || e.reason}`));
  const error = console.error;
  console.error = (...args) => {
    report(`console error: ${args.map(String).join(' ')}`);
    error.apply(console, args);
  };
}

// inits: functions, or [function, argument] pairs; each runs in the page, in order.
export function preamble(inits = []) {
  const calls = [[reportErrors, ERROR_PATH], ...inits.map((i) => (typeof i === 'function' ? [i] : i))];
  return calls.map(([fn, arg]) => `(${fn})(${arg === undefined ? '' : JSON.stringify(arg)});`).join('\n');
}

// The page with the script as the first thing its head runs.
export function withPreamble(html, script) {
  const tag = `<script>${script.replace(/<\//g, '<\\/')}</script>`;
  const head = /<head[^>]*>/i.exec(html);
  return head ? html.slice(0, head.index + head[0].length) + tag + html.slice(head.index + head[0].length) : tag + html;
}

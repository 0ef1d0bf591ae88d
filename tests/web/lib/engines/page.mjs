// Every engine's pages start at this size, in CSS pixels.
export const WINDOW_SIZE = [1000, 700];

// The common page over a Playwright or a Puppeteer page: their pages agree on
// everything the tests use but the wheel and the window size.
export function wrapPage(page, { errors, wheel, setViewport }) {
  return {
    raw: page,
    errors,
    goto: (url) => page.goto(url),
    url: async () => page.url(),
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    mouse: {
      move: (x, y, { steps = 1 } = {}) => page.mouse.move(x, y, { steps }),
      down: () => page.mouse.down(),
      up: () => page.mouse.up(),
      wheel,
    },
    press: (key) => page.keyboard.press(key),
    setViewport,
    // Playwright gives a Buffer, Puppeteer a Uint8Array.
    screenshot: async () => Buffer.from(await page.screenshot()).toString('base64'),
    bringToFront: () => page.bringToFront(),
    close: () => page.close(),
  };
}

/* Small arithmetic every part of the viewer uses. */

export function clamp(value, low, high) {
    return Math.min(high, Math.max(low, value));
}

/* Milliseconds on the clock animation frames are stamped with. */
export function now() {
    return window.performance && window.performance.now ? window.performance.now() : Date.now();
}

/* A promise whose failure is expected and means nothing to the page. */
export function settle(promise) {
    if (promise && typeof promise.then === "function") {
        promise.then(null, () => null);
    }
}

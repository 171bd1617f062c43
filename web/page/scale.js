// @ts-check
// The work area's pixels on the screen: each takes a whole number of device pixels,
// so that every line one pixel wide is as wide as every other at any scaling (at
// 125 % a work-area pixel is one device pixel, at 150 % and 200 % two).

export const workScale = {
    /** Device pixels a work-area pixel takes across. */
    get devicePixels() {
        return Math.max(1, Math.round(window.devicePixelRatio || 1));
    },
    /** CSS pixels a work-area pixel takes across. */
    get css() {
        return this.devicePixels / (window.devicePixelRatio || 1);
    },
};

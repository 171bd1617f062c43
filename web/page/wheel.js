// @ts-check
// The wheel over the work area, and a touchpad's two-finger scroll: sent to the core
// as the desktop's wheel turns, 120 a notch, positive up and left. Ctrl+wheel (and a
// touchpad's pinch, which the browser reports as one) zooms the work area rather than
// the page.
import { calls } from './core.js';
import { keyFlags, spotOf, workArea } from './pointer.js';
import { workScale } from './scale.js';
import { readSetting, writeSetting } from './settings.js';

/** What the browser's units of deltaMode 0 (pixels), 1 (lines) and 2 (pages) turn. */
const kTurnPerUnit = [1.2, 40, 360];
const kZoomKey = 'lotra.zoom';

/** What turned short of a whole unit, kept for the next event. */
const rest = { x: 0, y: 0 };

/**
 * @param {'x' | 'y'} axis
 * @param {number} delta the browser's delta, positive down and right
 * @param {number} unit
 * @returns {number} the whole turn, positive up and left
 */
function turnOf(axis, delta, unit) {
    rest[axis] -= delta * unit;
    const whole = Math.trunc(rest[axis]);
    rest[axis] -= whole;
    return whole;
}

export function connectWheel() {
    workArea().addEventListener('wheel', (event) => {
        event.preventDefault();
        const unit = kTurnPerUnit[event.deltaMode] ?? 1;
        const turnX = turnOf('x', event.deltaX, unit), turnY = turnOf('y', event.deltaY, unit);
        if (turnX === 0 && turnY === 0) return;
        const at = spotOf(event);
        const x = Math.floor(at.x / workScale.css), y = Math.floor(at.y / workScale.css);
        calls.call('lotra_wheel', ['number', 'number', 'number', 'number', 'number'],
                   [keyFlags(event, (event.buttons & 1) !== 0), turnX, turnY, x, y]);
    }, { passive: false });
}

/** @param {number} zoom the zoom the user chose, in percent */
export function rememberZoom(zoom) {
    writeSetting(kZoomKey, String(zoom));
}

/** Gives the core the zoom the user chose last time. */
export function restoreZoom() {
    const zoom = readSetting(kZoomKey);
    if (zoom === null || !Number.isFinite(Number(zoom))) return Promise.resolve(false);
    return calls.call('lotra_restore_zoom', ['number'], [Number(zoom)]);
}

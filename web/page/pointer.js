// @ts-check
// The pointer over the work area, sent to the core as its mouse messages: a mouse's
// presses and moves as they come, a finger's gestures as the mouse's they stand for
// (touch.js). A double click reaches the core as on the desktop: press, release,
// double click, release, whatever the browser tells of it.
import { keyState, mouse } from './constants.js';
import { calls } from './core.js';
import { byId } from './dom.js';
import { workScale } from './scale.js';

/** A second press this soon after the first, and this near it, is a double click. */
const kDoubleClickMs = 500;
const kDoubleClickDistance = 5;

/** @typedef {{ x: number, y: number }} Spot CSS pixels from the work area's corner */

/** Shift and Ctrl held by the touch bar's buttons, for a finger that has no keys. */
export const heldKeys = { shift: false, control: false };

// A press at about the place of the one before, soon enough, is a double click; the
// press after a double click starts again, as on the desktop.
class DoubleClicks {
    constructor() {
        /** @type {(Spot & { time: number }) | null} */
        this.first = null;
    }

    /**
     * @param {Spot} at
     * @param {number} distance how far from the first press it may be
     * @returns {boolean} whether this press is the second of a double click
     */
    press(at, distance) {
        const time = performance.now(), first = this.first;
        const double = first !== null && time - first.time <= kDoubleClickMs &&
            Math.abs(at.x - first.x) <= distance && Math.abs(at.y - first.y) <= distance;
        this.first = double ? null : { ...at, time };
        return double;
    }

    reset() {
        this.first = null;
    }
}

export const doubleClicks = new DoubleClicks();

/** @returns {HTMLCanvasElement} */
export function workArea() {
    return /** @type {HTMLCanvasElement} */ (byId('workarea'));
}

/**
 * @param {MouseEvent} event
 * @returns {Spot}
 */
export function spotOf(event) {
    const r = workArea().getBoundingClientRect();
    return { x: event.clientX - r.left, y: event.clientY - r.top };
}

/**
 * The key-state bits of a message: the event's keys and the touch bar's.
 * @param {MouseEvent} event
 * @param {boolean} leftDown
 */
export function keyFlags(event, leftDown) {
    let flags = 0;
    if (leftDown) flags |= keyState.LeftButton;
    if (event.shiftKey || heldKeys.shift) flags |= keyState.Shift;
    if (event.ctrlKey || heldKeys.control) flags |= keyState.Control;
    return flags;
}

/** @type {[number, number] | null} where the core last heard the pointer was */
let lastPoint = null;

/**
 * @param {number} message
 * @param {Spot} at
 * @param {number} flags
 */
export function sendMouse(message, at, flags) {
    const point = /** @type {[number, number]} */ (
        [Math.floor(at.x / workScale.css), Math.floor(at.y / workScale.css)]);
    lastPoint = message === mouse.Leave ? null : point;
    const changes = message !== mouse.Move && message !== mouse.Leave;
    return calls.call('lotra_mouse', ['number', 'number', 'number', 'number'],
                      [message, flags, ...point], { changes });
}

/**
 * A press where the core has not seen the pointer (a finger, a pen that does not
 * hover) comes after a move there: a pending element is placed, and a wire bent,
 * where the press is.
 * @param {number} message
 * @param {Spot} at
 * @param {number} flags
 */
export function sendPress(message, at, flags) {
    const x = Math.floor(at.x / workScale.css), y = Math.floor(at.y / workScale.css);
    if (!lastPoint || lastPoint[0] !== x || lastPoint[1] !== y) {
        sendMouse(mouse.Move, at, flags & ~keyState.LeftButton);
    }
    return sendMouse(message, at, flags);
}

/**
 * @param {() => void} onPress what a press does first (close an open menu)
 * @param {(event: PointerEvent) => boolean} takeTouch a finger's events, if they are the finger's
 */
export function connectPointer(onPress, takeTouch) {
    const canvas = workArea();
    // A press anywhere else between the two (in a dialog the first one opened, say)
    // makes the second a press of its own.
    document.addEventListener('pointerdown', (event) => {
        if (event.target !== canvas) doubleClicks.reset();
    }, { capture: true });
    canvas.addEventListener('contextmenu', (event) => event.preventDefault());
    // A press must not take the focus from a dialog it opened.
    canvas.addEventListener('mousedown', (event) => event.preventDefault());
    canvas.addEventListener('pointerdown', (event) => {
        onPress();
        if (takeTouch(event)) return;
        const at = spotOf(event);
        if (event.button === 0) {
            canvas.setPointerCapture(event.pointerId);
            const double = doubleClicks.press(at, kDoubleClickDistance);
            sendPress(double ? mouse.LeftDoubleClick : mouse.LeftDown, at, keyFlags(event, true));
        } else if (event.button === 2) {
            doubleClicks.reset();
            sendPress(mouse.RightDown, at, keyFlags(event, (event.buttons & 1) !== 0));
        }
    });
    canvas.addEventListener('pointerup', (event) => {
        if (takeTouch(event)) return;
        if (event.button === 0) sendMouse(mouse.LeftUp, spotOf(event), keyFlags(event, false));
    });
    canvas.addEventListener('pointermove', (event) => {
        if (takeTouch(event)) return;
        sendMouse(mouse.Move, spotOf(event), keyFlags(event, (event.buttons & 1) !== 0));
    });
    canvas.addEventListener('pointercancel', (event) => takeTouch(event));
    canvas.addEventListener('pointerleave', (event) => {
        if (event.pointerType === 'touch' || canvas.hasPointerCapture(event.pointerId)) return;
        sendMouse(mouse.Leave, spotOf(event), 0);
    });
}

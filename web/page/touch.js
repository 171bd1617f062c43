// @ts-check
// A finger on the work area does what the mouse does: a tap is a click where it
// taps (two quick taps a double click), a drag is a drag with the left button, and a
// long press is the right button (delete, take back a bend). A small bar of two
// buttons, shown once the page is used by touch, holds Shift (drag an element) and
// Ctrl (change an element) down for the finger.
import { mouse } from './constants.js';
import { byId } from './dom.js';
import { doubleClicks, heldKeys, keyFlags, sendMouse, sendPress, spotOf } from './pointer.js';

/** A finger held this long without moving is a press of the right button. */
const kLongPressMs = 500;
/** A finger that moves less than this (CSS pixels) before it lifts has tapped. */
const kTapDistance = 10;
/** Two taps this near each other are a double tap. */
const kDoubleTapDistance = 24;

/** @typedef {import('./pointer.js').Spot} Spot */

class FingerGestures {
    constructor() {
        /** @type {'none' | 'undecided' | 'dragging' | 'right'} */
        this.state = 'none';
        this.pointerId = -1;
        /** @type {Spot} */
        this.start = { x: 0, y: 0 };
        /** @type {Spot} */
        this.last = { x: 0, y: 0 };
        this.longPress = 0;
    }

    /**
     * Takes the events of the first finger on the work area; those of other fingers
     * are dropped.
     * @param {PointerEvent} event
     * @returns {boolean} whether the event was a finger's
     */
    take(event) {
        if (event.pointerType !== 'touch') return false;
        showTouchBar();
        if (event.type === 'pointerdown') this.down(event);
        if (event.pointerId !== this.pointerId) return true;
        if (event.type === 'pointermove') this.move(event);
        else if (event.type === 'pointerup') this.up(event);
        else if (event.type === 'pointercancel') this.cancel(event);
        return true;
    }

    /** @param {PointerEvent} event */
    down(event) {
        if (this.state !== 'none') return;
        event.preventDefault();
        this.state = 'undecided';
        this.pointerId = event.pointerId;
        this.start = this.last = spotOf(event);
        this.longPress = setTimeout(() => {
            if (this.state !== 'undecided') return;
            this.state = 'right';
            doubleClicks.reset();
            if (navigator.vibrate) navigator.vibrate(20);
            sendPress(mouse.RightDown, this.start, keyFlags(event, false));
        }, kLongPressMs);
    }

    /** @param {PointerEvent} event */
    move(event) {
        this.last = spotOf(event);
        if (this.state === 'undecided') {
            const dx = this.last.x - this.start.x, dy = this.last.y - this.start.y;
            if (Math.hypot(dx, dy) < kTapDistance) return;
            clearTimeout(this.longPress);
            this.state = 'dragging';
            doubleClicks.reset();
            sendPress(mouse.LeftDown, this.start, keyFlags(event, true));
        }
        if (this.state === 'dragging') sendMouse(mouse.Move, this.last, keyFlags(event, true));
    }

    /** @param {PointerEvent} event */
    up(event) {
        clearTimeout(this.longPress);
        if (this.state === 'undecided') {
            const double = doubleClicks.press(this.start, kDoubleTapDistance);
            sendPress(double ? mouse.LeftDoubleClick : mouse.LeftDown, this.start, keyFlags(event, true));
            sendMouse(mouse.LeftUp, this.start, keyFlags(event, false));
        } else if (this.state === 'dragging') {
            sendMouse(mouse.LeftUp, this.last, keyFlags(event, false));
        }
        this.state = 'none';
        this.pointerId = -1;
    }

    // The browser took the finger over: a drag ends where it got to.
    /** @param {PointerEvent} event */
    cancel(event) {
        clearTimeout(this.longPress);
        if (this.state === 'dragging') sendMouse(mouse.LeftUp, this.last, keyFlags(event, false));
        this.state = 'none';
        this.pointerId = -1;
    }
}

export const fingers = new FingerGestures();

// The bar shows on a device with a touch screen, or at the first touch.
export function showTouchBar() {
    const bar = byId('touchbar');
    if (!bar.hidden) return;
    bar.hidden = false;
    for (const [id, key] of /** @type {[string, 'shift' | 'control'][]} */ (
        [['touch-shift', 'shift'], ['touch-ctrl', 'control']])) {
        const button = byId(id);
        button.addEventListener('pointerdown', (event) => event.preventDefault());
        button.addEventListener('click', () => {
            heldKeys[key] = !heldKeys[key];
            button.setAttribute('aria-pressed', String(heldKeys[key]));
        });
    }
}

export function connectTouchBar() {
    if (matchMedia('(any-pointer: coarse)').matches) showTouchBar();
}

// @ts-check
// The mouse over the work area, sent to the core as its mouse messages.
import { keyState, mouse } from './constants.js';
import { calls } from './core.js';
import { byId } from './dom.js';

/**
 * @param {MouseEvent} event
 * @param {boolean} leftDown
 */
function keyFlags(event, leftDown) {
    let flags = 0;
    if (leftDown) flags |= keyState.LeftButton;
    if (event.shiftKey) flags |= keyState.Shift;
    if (event.ctrlKey) flags |= keyState.Control;
    return flags;
}

/**
 * @param {HTMLCanvasElement} canvas
 * @param {number} message
 * @param {MouseEvent} event
 * @param {boolean} leftDown
 */
function sendMouse(canvas, message, event, leftDown) {
    const r = canvas.getBoundingClientRect();
    const x = Math.floor(event.clientX - r.left), y = Math.floor(event.clientY - r.top);
    return calls.call('lotra_mouse', ['number', 'number', 'number', 'number'],
                      [message, keyFlags(event, leftDown), x, y]);
}

/** @param {() => void} onPress what a press does first (close an open menu) */
export function connectPointer(onPress) {
    const canvas = /** @type {HTMLCanvasElement} */ (byId('workarea'));
    canvas.addEventListener('contextmenu', (event) => event.preventDefault());
    // A press must not take the focus from a dialog it opened.
    canvas.addEventListener('mousedown', (event) => event.preventDefault());
    // The second press of a left double click arrives as the double click alone; a
    // right double click is two right presses.
    canvas.addEventListener('pointerdown', (event) => {
        onPress();
        if (event.button === 0) {
            canvas.setPointerCapture(event.pointerId);
            sendMouse(canvas, event.detail === 2 ? mouse.LeftDoubleClick : mouse.LeftDown, event, true);
        } else if (event.button === 2) {
            sendMouse(canvas, mouse.RightDown, event, (event.buttons & 1) !== 0);
        }
    });
    canvas.addEventListener('pointerup', (event) => {
        if (event.button === 0) sendMouse(canvas, mouse.LeftUp, event, false);
    });
    canvas.addEventListener('pointermove', (event) => {
        sendMouse(canvas, mouse.Move, event, (event.buttons & 1) !== 0);
    });
    canvas.addEventListener('pointerleave', (event) => {
        if (!canvas.hasPointerCapture(event.pointerId)) sendMouse(canvas, mouse.Leave, event, false);
    });
}

// @ts-check
// The page's own elements, found or the page fails loudly, and new ones made.

/**
 * @param {string} id
 * @returns {HTMLElement}
 */
export function byId(id) {
    const element = document.getElementById(id);
    if (!element) throw new Error(`the page has no #${id}`);
    return element;
}

/**
 * @param {ParentNode} parent
 * @param {string} selector
 * @returns {HTMLElement}
 */
export function child(parent, selector) {
    const element = parent.querySelector(selector);
    if (!(element instanceof HTMLElement)) throw new Error(`no ${selector} in its parent`);
    return element;
}

/**
 * @param {HTMLCanvasElement | OffscreenCanvas} canvas
 * @returns {CanvasRenderingContext2D | OffscreenCanvasRenderingContext2D}
 */
export function context2d(canvas) {
    const context = canvas.getContext('2d');
    if (!context) throw new Error('no 2D context');
    return /** @type {CanvasRenderingContext2D | OffscreenCanvasRenderingContext2D} */ (context);
}

/** @returns {boolean} whether a dialog or message box is open over the window */
export function modalOpen() {
    return !byId('modal').hidden;
}

/**
 * An element of the kind with a class and, when given, its text.
 * @template {keyof HTMLElementTagNameMap} K
 * @param {K} kind
 * @param {string} className
 * @param {string} [text]
 * @returns {HTMLElementTagNameMap[K]}
 */
export function element(kind, className, text) {
    const made = document.createElement(kind);
    made.className = className;
    if (text !== undefined) made.textContent = text;
    return made;
}

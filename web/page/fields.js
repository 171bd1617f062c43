// @ts-check
// Dialog fields read and written as the desktop reads and writes them.

/**
 * @param {string} text
 * @returns {number | null} the whole number below 2^32, or null
 */
export function parseUnsigned(text) {
    const trimmed = text.trim();
    if (!/^[0-9]+$/.test(trimmed)) return null;
    const value = Number(trimmed);
    return value <= 0xffffffff ? value : null;
}

/**
 * Digits, a point (or a comma) and an exponent.
 * @param {string} text
 * @returns {{ value: number, single: number } | null} the number, and it in single
 *     precision, or null
 */
export function parseFloatField(text) {
    const trimmed = text.trim().replace(/,/g, '.');
    if (!trimmed || !/^[0-9.+\-eE]+$/.test(trimmed)) return null;
    if (!/^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$/.test(trimmed)) return null;
    const value = Number(trimmed);
    const single = Math.fround(value);
    return Number.isFinite(single) ? { value, single } : null;
}

/**
 * Six significant digits, as the desktop writes a number into a field.
 * @param {number} value
 */
export function formatFloat(value) {
    return String(parseFloat(Number(value).toPrecision(6)));
}

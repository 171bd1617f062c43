// @ts-check
// The user's choices kept in the browser's storage for the page from one visit to the
// next. A browser that refuses the storage only loses them for the next visit.

/**
 * @param {string} key
 * @returns {string | null} the kept value, null when there is none or no storage
 */
export function readSetting(key) {
    try {
        return localStorage.getItem(key);
    } catch {
        return null;
    }
}

/**
 * @param {string} key
 * @param {string} value
 */
export function writeSetting(key, value) {
    try {
        localStorage.setItem(key, value);
    } catch {
        // Kept only for this visit's page, as the browser allows.
    }
}

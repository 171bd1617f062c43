// @ts-check
// The folder in the browser's storage: mounted at the start, stored after every call
// that may have written to it (and by the core itself when it syncs a file it
// wrote), and what could not be stored reported. At the first save of a file of the
// user's the page asks the browser to keep its storage; refused, it says once that
// the browser may clear it.
import { texts } from './constants.js';
import { calls } from './core.js';
import { runDialog } from './dialogs.js';
import { byId } from './dom.js';
import { makeSyncsEnd } from './folder-sync.js';

export const kFolder = '/lotra';

// One sync at a time. Storage that is full or refused keeps what it held before;
// every file written since the last sync that went through is reported as a failed
// write, once for each time it was written.
class FolderStorage {
    constructor() {
        this.syncRunning = false;
        this.syncAgain = false;
        this.syncedUpTo = 0;
        this.reportedUpTo = 0;
        this.reporting = false;
        /** @type {string[]} */
        this.unreported = [];
        this.persistenceAsked = false;
    }

    /** @returns {Promise<void>} */
    mount() {
        const { FS, IDBFS } = calls.core;
        makeSyncsEnd(/** @type {import('./folder-sync.js').Idbfs} */ (IDBFS), (paths) => this.stored(paths));
        FS.mkdir(kFolder);
        FS.mount(IDBFS, {}, kFolder);
        return new Promise((resolve, reject) => {
            FS.syncfs(true, (error) => {
                if (error) {
                    reject(error);
                    return;
                }
                FS.chdir(kFolder);
                resolve();
            });
        });
    }

    sync() {
        if (!calls.running) return;
        if (this.syncRunning) {
            this.syncAgain = true;
            return;
        }
        this.syncRunning = true;
        const started = Date.now();
        calls.core.FS.syncfs(false, (error) => {
            this.syncRunning = false;
            if (error) {
                this.report(this.filesWrittenSince(Math.max(this.syncedUpTo, this.reportedUpTo)));
                this.reportedUpTo = started;
            } else {
                this.syncedUpTo = started;
            }
            if (this.syncAgain) {
                this.syncAgain = false;
                this.sync();
            }
        });
    }

    /**
     * A sync is storing these files: the first of the user's own (not the recovery
     * file) asks for storage the browser keeps.
     * @param {string[]} paths
     */
    stored(paths) {
        const own = paths.some((path) => !path.startsWith(`${kFolder}/${texts.RecoveryFileName}`));
        if (!own || this.persistenceAsked) return;
        this.persistenceAsked = true;
        askToPersist();
    }

    /** @returns {Promise<void>} the last sync, at the end */
    syncOnce() {
        return new Promise((resolve) => calls.core.FS.syncfs(false, () => resolve()));
    }

    /** @param {number} time */
    filesWrittenSince(time) {
        const FS = calls.core.FS;
        return FS.readdir(kFolder).filter((name) => {
            if (name === '.' || name === '..') return false;
            const stat = FS.stat(kFolder + '/' + name);
            return FS.isFile(stat.mode) && stat.mtime.getTime() >= time;
        });
    }

    /**
     * Each message waits until the core is done, a dialog of its own included (the
     * message must not take that dialog's place), and holds it off while it shows.
     * The recovery file goes unreported, as on the desktop: a message every 15
     * seconds would be worse than a recovery file that is one tick old.
     * @param {string[]} names
     */
    async report(names) {
        for (const name of names) {
            if (name !== texts.RecoveryFileName && !this.unreported.includes(name)) this.unreported.push(name);
        }
        if (this.reporting) return;
        this.reporting = true;
        while (this.unreported.length) {
            const name = /** @type {string} */ (this.unreported.shift());
            await calls.holdWhile(() => runDialog('message', {
                text: texts.FileNotWritten.replace('%s', name),
                caption: texts.ErrorCaption, cancel: false }));
        }
        this.reporting = false;
    }
}

export const folder = new FolderStorage();

const kNoticeShown = 'lotra-2-storage-notice';

// Shown once in this browser, under the menu bar, until the user closes it.
async function askToPersist() {
    const storage = navigator.storage;
    if (!storage || !storage.persist || await storage.persisted() || await storage.persist()) return;
    try {
        if (localStorage.getItem(kNoticeShown)) return;
        localStorage.setItem(kNoticeShown, '1');
    } catch {
        // No local storage: the notice shows once for this page.
    }
    byId('storage-notice-text').textContent = texts.StorageMayBeCleared;
    const notice = byId('storage-notice');
    byId('storage-notice-close').onclick = () => { notice.hidden = true; };
    notice.hidden = false;
}

// @ts-check
// The folder in the browser's storage: mounted at the start, stored after every call
// that may have written to it (and by the core itself when it syncs a file it
// wrote), and what could not be stored reported.
import { texts } from './constants.js';
import { calls } from './core.js';
import { runDialog } from './dialogs.js';
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
    }

    /** @returns {Promise<void>} */
    mount() {
        const { FS, IDBFS } = calls.core;
        makeSyncsEnd(/** @type {import('./folder-sync.js').Idbfs} */ (IDBFS), () => {});
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

// @ts-check
// How the folder goes into IndexedDB. Emscripten's IDBFS stores each sync in one
// transaction, but it hears nothing when the browser aborts that transaction: a
// full quota aborts it at the commit, after every request went through. The sync
// then never ends, and neither does a call of the core that waits for it (fsync),
// so the page hangs. Its step that writes the transaction is replaced here by one
// that ends on every outcome, and stores the whole sync or nothing of it: a refused
// write keeps what was stored before.

/**
 * The two sides' files and their times, as IDBFS lists them.
 * @typedef {object} FileSet
 * @property {'local' | 'remote'} type
 * @property {Record<string, { timestamp: Date }>} entries
 * @property {IDBDatabase} [db]
 */

/**
 * The parts of Emscripten's IDBFS that the step uses.
 * @typedef {object} Idbfs
 * @property {string} DB_STORE_NAME
 * @property {(src: FileSet, dst: FileSet, callback: (error: unknown) => void) => void} reconcile
 * @property {(path: string, callback: (error: unknown, entry?: object) => void) => void} loadLocalEntry
 * @property {(path: string, entry: object, callback: (error: unknown) => void) => void} storeLocalEntry
 * @property {(path: string, callback: (error: unknown) => void) => void} removeLocalEntry
 */

/**
 * @param {Idbfs} idbfs Emscripten's IDBFS object, changed in place
 * @param {(paths: string[]) => void} onStore what the page does with the paths a sync stores
 */
export function makeSyncsEnd(idbfs, onStore) {
    idbfs.reconcile = (src, dst, callback) => {
        const changed = Object.keys(src.entries).filter((path) => {
            const there = dst.entries[path];
            return !there || there.timestamp.getTime() !== src.entries[path].timestamp.getTime();
        }).sort();
        // Files before the folders that hold them.
        const removed = Object.keys(dst.entries).filter((path) => !src.entries[path]).sort().reverse();
        if (!changed.length && !removed.length) {
            callback(null);
            return;
        }
        let finished = false;
        /** @param {unknown} error */
        const finish = (error) => {
            if (finished) return;
            finished = true;
            callback(error);
        };
        const db = /** @type {IDBDatabase} */ (src.type === 'remote' ? src.db : dst.db);
        /** @type {IDBTransaction} */
        let transaction;
        try {
            transaction = db.transaction([idbfs.DB_STORE_NAME], 'readwrite');
        } catch (error) {
            finish(error);
            return;
        }
        transaction.oncomplete = () => finish(null);
        // A request that fails aborts the transaction, which reports it.
        transaction.onabort = () => finish(transaction.error || new DOMException('aborted', 'AbortError'));
        const store = transaction.objectStore(idbfs.DB_STORE_NAME);
        /** @param {unknown} error */
        const failed = (error) => {
            if (!error) return;
            try {
                transaction.abort();
            } catch {
                // Ended already: its own event reports it.
            }
            finish(error);
        };
        /**
         * @param {() => IDBRequest} make
         * @param {(result: any) => void} then
         */
        const request = (make, then) => {
            try {
                const sent = make();
                sent.onsuccess = () => then(sent.result);
            } catch (error) {
                failed(error);
            }
        };
        if (dst.type === 'remote') {
            onStore(changed);
            for (const path of changed) {
                idbfs.loadLocalEntry(path, (error, entry) => {
                    if (error) failed(error);
                    else request(() => store.put(entry, path), () => {});
                });
            }
            for (const path of removed) request(() => store.delete(path), () => {});
        } else {
            for (const path of changed) {
                request(() => store.get(path), (entry) => idbfs.storeLocalEntry(path, entry, failed));
            }
            for (const path of removed) idbfs.removeLocalEntry(path, failed);
        }
    };
}

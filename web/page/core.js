// @ts-check
// Calls into the core (lotra-core.js), one at a time.

/** @typedef {'number' | 'string'} ArgumentType */
/**
 * @typedef {object} PendingCall
 * @property {string} name
 * @property {ArgumentType[]} types
 * @property {(number | string)[]} args
 * @property {(done: boolean) => void} resolve
 */

/**
 * What the browser test reads of the page's timing.
 * @typedef {object} PageStats
 * @property {number} started
 * @property {number | null} firstFrame
 * @property {number} calls
 * @property {number} [coreReady]
 * @property {number} [folderReady]
 * @property {{ name: string, ms: number, paintMs: number }} [lastCall]
 * @property {{ left: number, top: number, right: number, bottom: number }[]} [textBoxes]
 */

/** @type {PageStats} */
export const stats = { firstFrame: null, started: performance.now(), calls: 0 };

// Runs exported functions of the core. A call that may open a dialog settles when
// the dialog is closed. Calls run one at a time in the order they came: one that
// comes while another runs (a drop during a tick, a resize behind a dialog) waits
// for it.
class CoreCalls {
    constructor() {
        /** @type {LotraCore | null} */
        this.module = null;
        /** A call into the core, or a message of the page's own, has not finished yet. */
        this.busy = false;
        /** @type {PendingCall[]} */
        this.pending = [];
        /** What the page does after each call: store the folder, paint what it asked for. */
        this.afterEach = () => {};
        /** What the page does when it lets the core have its turn again: paint. */
        this.onRelease = () => {};
    }

    /** @returns {LotraCore} the core, which has started */
    get core() {
        if (!this.module) throw new Error('the core is not running');
        return this.module;
    }

    get running() {
        return this.module !== null;
    }

    /**
     * @param {string} name
     * @param {ArgumentType[]} types
     * @param {(number | string)[]} args
     * @returns {Promise<boolean>} false when the core is not running
     */
    call(name, types, args) {
        if (!this.module) return Promise.resolve(false);
        return new Promise((resolve) => {
            this.pending.push({ name, types, args, resolve });
            if (!this.busy) this.runPending();
        });
    }

    /**
     * A call that cannot open a dialog, answered at once.
     * @param {string} name
     * @param {'number' | null} returnType
     * @param {ArgumentType[]} types
     * @param {(number | string)[]} args
     * @returns {number}
     */
    callNow(name, returnType, types, args) {
        return this.core.ccall(name, returnType, types, args);
    }

    async runPending() {
        while (this.pending.length && this.module) {
            const { name, types, args, resolve } = /** @type {PendingCall} */ (this.pending.shift());
            this.busy = true;
            const started = performance.now();
            try {
                await this.module.ccall(name, null, types, args, { async: true });
            } finally {
                this.busy = false;
            }
            const done = performance.now();
            stats.calls++;
            this.afterEach();
            stats.lastCall = { name, ms: done - started, paintMs: performance.now() - done };
            resolve(true);
        }
    }

    /**
     * Runs `work` of the page's own (a message box) once no call runs, holding off
     * every call until it is done.
     * @param {() => Promise<unknown>} work
     */
    async holdWhile(work) {
        while (this.busy) await new Promise((resolve) => setTimeout(resolve, 50));
        this.busy = true;
        try {
            await work();
        } finally {
            this.busy = false;
        }
        this.onRelease();
        this.runPending();
    }

    isBusy() {
        return this.busy || this.pending.length > 0;
    }
}

export const calls = new CoreCalls();

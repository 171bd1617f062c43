// @ts-check
// Calls into the core (lotra-core.js), one at a time.

/** @typedef {'number' | 'string' | 'array'} ArgumentType */
/**
 * @typedef {object} PendingCall
 * @property {string} name
 * @property {ArgumentType[]} types
 * @property {(number | string | Uint8Array)[]} args
 * @property {boolean} changes whether it may change the circuit
 * @property {boolean} tick a timer's tick, which opens no dialog
 * @property {(done: boolean) => void} resolve
 */

/**
 * What the browser test reads of the page's timing.
 * @typedef {object} PageStats
 * @property {number} started
 * @property {number | null} firstFrame
 * @property {number} calls
 * @property {number} lastPaintMs how long the last whole paint of the work area took
 * @property {Record<number, number>} ticks each timer's ticks run so far
 * @property {number} [coreReady]
 * @property {number} [lastAnalysisMs] how long the functions panel's last answer took
 * @property {Record<number, number>} tickLateMs the latest each timer's ticks ran (a test may start it afresh)
 * @property {number} [folderReady]
 * @property {{ name: string, ms: number, paintMs: number }} [lastCall]
 * @property {{ left: number, top: number, right: number, bottom: number }[]} [textBoxes]
 */

/** @type {PageStats} */
export const stats = { firstFrame: null, started: performance.now(), calls: 0, ticks: {},
                       tickLateMs: {}, lastPaintMs: 0 };

// Runs exported functions of the core. A call that may open a dialog settles when
// the dialog is closed. Calls run one at a time in the order they came: one that
// comes while another runs (a drop during a tick, a resize behind a dialog) waits
// for it.
class CoreCalls {
    constructor() {
        /** @type {LotraCore | null} */
        this.module = null;
        /** A call into the core has not returned yet: it may wait in a dialog. */
        this.inCall = false;
        /** The calls are being run, one after another. */
        this.draining = false;
        /** @type {(() => void)[]} what waits for the call in the core to return */
        this.outOfCoreWaiters = [];
        /** A message of the page's own shows: calls that may open a dialog wait. */
        this.holding = false;
        /** @type {PendingCall[]} */
        this.pending = [];
        /** What the page does after each call: store the folder, paint what it asked for. */
        this.afterEach = () => {};
        /** What the page does after a call that may have changed the circuit. */
        this.afterChange = () => {};
        /** What the page does when the calls have all run: the ticks that fell due. */
        this.onIdle = () => {};
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

    /** Calls are being run, or the page's own message holds them off. */
    get busy() {
        return this.draining || this.holding;
    }

    /**
     * @param {string} name
     * @param {ArgumentType[]} types
     * @param {(number | string | Uint8Array)[]} args
     * @param {{ changes?: boolean }} [options] changes: the call may change the circuit
     * @returns {Promise<boolean>} false when the core is not running
     */
    call(name, types, args, { changes = false } = {}) {
        if (!this.module) return Promise.resolve(false);
        return new Promise((resolve) => {
            this.pending.push({ name, types, args, changes, tick: false, resolve });
            this.runPending();
        });
    }

    /**
     * Settles once no call is in the core: a call that waits there (for the browser's
     * storage, say) cannot be called into meanwhile.
     * @returns {Promise<void>}
     */
    outOfCore() {
        if (!this.inCall) return Promise.resolve();
        return new Promise((resolve) => this.outOfCoreWaiters.push(() => resolve()));
    }

    /**
     * A call that cannot open a dialog nor wait for the page, answered at once; only
     * while no call is in the core.
     * @param {string} name
     * @param {'number' | null} returnType
     * @param {ArgumentType[]} types
     * @param {(number | string)[]} args
     * @returns {number}
     */
    callNow(name, returnType, types, args) {
        return this.core.ccall(name, returnType, types, args);
    }

    /**
     * Runs the call in the core, which may wait there for the page (a dialog, the
     * browser's storage) before it returns.
     * @param {string} name
     * @param {ArgumentType[]} types
     * @param {(number | string | Uint8Array)[]} args
     */
    async enter(name, types, args) {
        this.inCall = true;
        const started = performance.now();
        try {
            await this.core.ccall(name, null, types, args, { async: true });
        } finally {
            this.inCall = false;
            for (const resume of this.outOfCoreWaiters.splice(0)) resume();
        }
        const done = performance.now();
        stats.calls++;
        this.afterEach();
        stats.lastCall = { name, ms: done - started, paintMs: performance.now() - done };
    }

    /** The first call that may run now: while the page's own message shows, only ticks. */
    nextRunnable() {
        if (!this.module) return null;
        const index = this.pending.findIndex((c) => c.tick || !this.holding);
        return index < 0 ? null : this.pending.splice(index, 1)[0];
    }

    async runPending() {
        if (this.draining) return;
        this.draining = true;
        try {
            for (let next = this.nextRunnable(); next; next = this.nextRunnable()) {
                await this.enter(next.name, next.types, next.args);
                if (next.changes) this.afterChange();
                next.resolve(true);
            }
        } finally {
            this.draining = false;
        }
        this.onIdle();
    }

    /**
     * A timer's tick, which opens no dialog: it runs after the calls before it, even
     * while the page's own message shows.
     * @param {number} id
     * @returns {Promise<boolean>} false when the core is not running
     */
    tick(id) {
        if (!this.module) return Promise.resolve(false);
        return new Promise((resolve) => {
            this.pending.push({ name: 'lotra_timer', types: ['number'], args: [id], changes: false,
                                tick: true, resolve });
            this.runPending();
        });
    }

    /**
     * Runs `work` of the page's own (a message box) once no call runs, holding off
     * every call that may open a dialog until it is done.
     * @param {() => Promise<unknown>} work
     */
    async holdWhile(work) {
        while (this.busy) await new Promise((resolve) => setTimeout(resolve, 50));
        this.holding = true;
        try {
            await work();
        } finally {
            this.holding = false;
        }
        this.onRelease();
        this.runPending();
    }

    isBusy() {
        return this.busy || this.pending.length > 0;
    }
}

export const calls = new CoreCalls();

// @ts-check
// The menu bar: titles, drop-downs and the keyboard's way to them, and the items'
// keys, which give their commands without the menu.
import { command } from './constants.js';
import { calls } from './core.js';
import { byId, modalOpen } from './dom.js';
import { readSetting, writeSetting } from './settings.js';

/** @typedef {{ text: string, command: number, keys: string[], remembered: string }} MenuItem */
/** @typedef {{ title: string, items: MenuItem[] }} Menu */
/** @typedef {{ row: HTMLElement, item: MenuItem, enabled: boolean, mnemonic: string }} OpenItem */

/**
 * "&" marks the letter that is underlined and chosen with the keyboard.
 * @param {string} text
 * @returns {(string | HTMLElement)[]}
 */
function withMnemonic(text) {
    const at = text.indexOf('&');
    if (at < 0) return [text];
    const underlined = document.createElement('u');
    underlined.textContent = text.charAt(at + 1);
    return [text.slice(0, at), underlined, text.slice(at + 2)];
}

/** @param {string} text */
function mnemonicOf(text) {
    const at = text.indexOf('&');
    return at < 0 ? '' : text.charAt(at + 1).toLowerCase();
}

// The letter of the key whatever the keyboard layout: Cyrillic letters come as
// themselves, or through the code of the key they share with a Latin letter.
/** @type {Record<string, string>} */
const kRussianByCode = {
    KeyF: 'а', KeyComma: 'б', KeyD: 'в', KeyU: 'г', KeyL: 'д', KeyT: 'е', Semicolon: 'ж',
    KeyP: 'з', KeyB: 'и', KeyQ: 'й', KeyR: 'к', KeyK: 'л', KeyV: 'м', KeyY: 'н', KeyJ: 'о',
    KeyG: 'п', KeyH: 'р', KeyC: 'с', KeyN: 'т', KeyE: 'у', KeyA: 'ф', BracketLeft: 'х',
    KeyW: 'ц', KeyX: 'ч', KeyI: 'ш', KeyO: 'щ', BracketRight: 'ъ', KeyS: 'ы', KeyM: 'ь',
    Quote: 'э', Period: 'ю', KeyZ: 'я',
};

/**
 * The browser's names of keys that the menus write as the desktop does.
 * @type {Record<string, string>}
 */
const kBrowserKeyNames = {
    Del: 'Delete', Esc: 'Escape', Left: 'ArrowLeft', Right: 'ArrowRight', Up: 'ArrowUp',
    Down: 'ArrowDown',
};

/**
 * Plain keys that an open menu or a dialog's field uses for itself, and that have no
 * action of the browser's to hold off.
 * @param {KeyboardEvent} event
 */
function isEditingKey(event) {
    return !event.ctrlKey && !event.altKey && !event.metaKey &&
        /^(Escape|Delete|Arrow)/.test(event.key);
}

/**
 * Whether the event is the key written as "Ctrl+Shift+Z" or "F1": a letter is known
 * by its place on the keyboard, so that it works in every layout, as on the desktop.
 * @param {string} key
 * @param {KeyboardEvent} event
 */
function isKey(key, event) {
    const parts = key.split('+');
    const name = /** @type {string} */ (parts.pop());
    if (parts.includes('Ctrl') !== (event.ctrlKey || event.metaKey) ||
        parts.includes('Shift') !== event.shiftKey || parts.includes('Alt') !== event.altKey) {
        return false;
    }
    return /^[A-Z]$/.test(name) ? event.code === 'Key' + name
        : event.key === (kBrowserKeyNames[name] ?? name);
}

/** @param {KeyboardEvent} event */
function letterOf(event) {
    const key = event.key.length === 1 ? event.key.toLowerCase() : '';
    if (/[а-яё]/.test(key)) return key;
    return kRussianByCode[event.code] || key;
}

/** @param {number} command */
function isChecked(command) {
    return calls.callNow('lotra_checked', 'number', ['number'], [command]) !== 0;
}

// A check item's choice stays the user's from one visit to the next, in the
// browser's storage for the page.
/** @param {MenuItem} item */
function remember(item) {
    writeSetting(item.remembered, isChecked(item.command) ? '1' : '0');
}

export class MenuBar {
    /** @param {(command: number) => void} runCommand what choosing an item does */
    constructor(runCommand) {
        this.runCommand = runCommand;
        /** @type {{ title: HTMLElement, menu: Menu, mnemonic: string }[]} */
        this.menus = [];
        this.open = -1;
        this.active = -1;
        /** @type {OpenItem[]} */
        this.items = [];
    }

    /** @returns {MenuItem[]} the check items, whose choices are kept */
    rememberedItems() {
        return this.menus.flatMap((m) => m.menu.items).filter((item) => item.remembered);
    }

    // The check items as the user left them, once the core has started.
    async restoreRememberedChoices() {
        for (const item of this.rememberedItems()) {
            const wanted = readSetting(item.remembered) === '1';
            if (wanted !== isChecked(item.command)) await calls.call('lotra_command', ['number'], [item.command]);
        }
    }

    /**
     * After the command of an item ran, its choice is kept when it is a check item.
     * @param {number} command
     */
    rememberChoice(command) {
        const item = this.rememberedItems().find((i) => i.command === command);
        if (item) remember(item);
    }

    /** @param {Menu[]} menus the core's menus */
    build(menus) {
        const bar = byId('menubar');
        bar.dataset.commands = JSON.stringify(menus.map((m) => m.items.map((i) => i.command)));
        menus.forEach((menu, index) => {
            const title = document.createElement('div');
            title.className = 'menutitle';
            title.setAttribute('role', 'menuitem');
            title.append(...withMnemonic(menu.title));
            title.addEventListener('mousedown', (event) => {
                event.preventDefault();
                if (/** @type {Element} */ (event.target).closest('.dropdown')) return;
                if (this.open === index) this.close(); else this.show(index, false);
            });
            title.addEventListener('mouseenter', () => {
                if (this.open >= 0 && this.open !== index) this.show(index, false);
            });
            bar.append(title);
            this.menus.push({ title, menu, mnemonic: mnemonicOf(menu.title) });
        });
        document.addEventListener('mousedown', (event) => {
            if (this.open >= 0 && !bar.contains(/** @type {Node} */ (event.target))) this.close();
        });
    }

    /**
     * The items are enabled afresh each time a menu opens.
     * @param {number} index
     * @param {boolean} byKeyboard
     */
    show(index, byKeyboard) {
        // The core answers for the enabling only between its calls.
        if (calls.inCall) {
            calls.outOfCore().then(() => this.show(index, byKeyboard));
            return;
        }
        this.close();
        this.open = index;
        this.active = byKeyboard ? 0 : -1;
        const { title, menu } = this.menus[index];
        title.classList.add('open');
        const dropDown = document.createElement('div');
        dropDown.className = 'dropdown';
        dropDown.setAttribute('role', 'menu');
        this.items = menu.items.map((item, itemIndex) => {
            const row = document.createElement('div');
            row.className = 'menuitem';
            row.setAttribute('role', 'menuitem');
            row.dataset.command = String(item.command);
            row.append(...withMnemonic(item.text));
            if (item.keys.length) {
                const hint = document.createElement('span');
                hint.className = 'keyhint';
                hint.textContent = item.keys[0];
                row.append(hint);
            }
            const enabled = calls.callNow('lotra_enabled', 'number', ['number'], [item.command]) !== 0;
            if (!enabled) row.classList.add('disabled');
            if (item.remembered && isChecked(item.command)) row.classList.add('checked');
            row.addEventListener('mouseenter', () => this.highlight(itemIndex));
            row.addEventListener('mouseup', () => this.choose(itemIndex));
            dropDown.append(row);
            return { row, item, enabled, mnemonic: mnemonicOf(item.text) };
        });
        title.append(dropDown);
        this.highlight(this.active);
    }

    toggleFirst() {
        if (this.open >= 0) this.close(); else this.show(0, true);
    }

    close() {
        if (this.open < 0) return;
        const { title } = this.menus[this.open];
        title.classList.remove('open');
        const dropDown = title.querySelector('.dropdown');
        if (dropDown) dropDown.remove();
        this.open = -1;
        this.items = [];
    }

    /** @param {number} index */
    highlight(index) {
        this.active = index;
        this.items.forEach((entry, i) => entry.row.classList.toggle('active', i === index));
    }

    /**
     * A disabled item does nothing and leaves the menu open.
     * @param {number} index
     */
    choose(index) {
        const entry = this.items[index];
        if (!entry || !entry.enabled) return;
        this.close();
        this.runCommand(entry.item.command);
    }

    /**
     * Alt with a title's letter opens that menu; in an open menu the arrows move,
     * Enter chooses, Escape closes and an item's letter chooses it.
     * @param {KeyboardEvent} event
     * @returns {boolean} whether the key was the menu's
     */
    key(event) {
        if (this.open < 0) {
            if (!event.altKey || event.ctrlKey) return false;
            const index = this.menus.findIndex((m) => m.mnemonic && m.mnemonic === letterOf(event));
            if (index < 0) return false;
            this.show(index, true);
            return true;
        }
        const count = this.items.length;
        switch (event.key) {
            case 'Escape': this.close(); return true;
            case 'ArrowDown': this.highlight((this.active + 1) % count); return true;
            case 'ArrowUp': this.highlight((this.active - 1 + count) % count); return true;
            case 'ArrowRight': this.show((this.open + 1) % this.menus.length, true); return true;
            case 'ArrowLeft':
                this.show((this.open - 1 + this.menus.length) % this.menus.length, true);
                return true;
            case 'Enter': this.choose(this.active); return true;
            default: {
                const index = this.items.findIndex((e) => e.mnemonic && e.mnemonic === letterOf(event));
                if (index >= 0) this.choose(index);
                return true;
            }
        }
    }

    /**
     * @param {KeyboardEvent} event
     * @returns {MenuItem | undefined} the item whose key the event is
     */
    itemOf(event) {
        for (const { menu } of this.menus) {
            const item = menu.items.find((i) => i.keys.some((key) => isKey(key, event)));
            if (item) return item;
        }
        return undefined;
    }

    /**
     * An item's key runs its command, held down again and again as on the desktop;
     * the browser's own action for it (save the page, open a file of its own, its
     * help) never runs. A disabled item's command does nothing in the core.
     * @param {KeyboardEvent} event
     * @returns {boolean} whether the key was an item's
     */
    shortcut(event) {
        if (this.open >= 0 && isEditingKey(event)) return false;
        const item = this.itemOf(event);
        if (!item) return false;
        // The browser's own paste brings what the clipboard holds (clipboard.js).
        if (item.command === command.EditPaste) return true;
        event.preventDefault();
        this.close();
        this.runCommand(item.command);
        return true;
    }

    // Alt pressed and let go alone, or F10, opens the first menu (and closes an open
    // one), as the keyboard reaches a window's menu bar.
    connectKeys() {
        let altAlone = false;
        document.addEventListener('keydown', (event) => {
            altAlone = event.key === 'Alt' && !event.repeat;
            if (modalOpen()) return;
            if (this.shortcut(event)) return;
            if (event.key === 'F10' && !event.shiftKey) {
                event.preventDefault();
                this.toggleFirst();
            } else if (this.key(event)) {
                event.preventDefault();
            }
        });
        // Under a dialog the items' keys do nothing, nor the browser's actions for them;
        // a text field keeps its own undo and redo, cut, copy, paste and choosing all.
        window.addEventListener('keydown', (event) => {
            if (!modalOpen() || !this.itemOf(event) || isEditingKey(event)) return;
            const inField = event.target instanceof HTMLInputElement && !event.target.readOnly;
            if (!inField || !/^Key[ZYXCVA]$/.test(event.code)) event.preventDefault();
        }, { capture: true });
        document.addEventListener('keyup', (event) => {
            if (event.key !== 'Alt' || !altAlone) return;
            altAlone = false;
            if (!modalOpen()) {
                event.preventDefault();
                this.toggleFirst();
            }
        });
    }
}

// @ts-check
// The dialogs of the page: the desktop's texts, controls and sizes. Each resolves to
// its answer, an object, or null when it was cancelled; the core reads the answer as
// JSON.
import { limits, pinChoice as pinChoiceLayout, texts } from './constants.js';
import { Dialog, kFont10, messageBox, position } from './dialog-frame.js';
import { formatFloat, parseFloatField, parseUnsigned } from './fields.js';
import { byId, context2d } from './dom.js';
import { openManual, pickFile } from './files.js';
import { workScale } from './scale.js';

/** @typedef {import('./dialog-frame.js').Answer} Answer */
/** @typedef {import('./dialog-frame.js').Units} Units */

/** The pictures the dialogs show, handed over by the core before it asks. */
export const dialogPictures = {
    /** @type {{ bytes: Uint8Array, width: number, height: number } | null} the pin choice's element */
    element: null,
    /** @type {ImageData | null} the program's icon, for the about box */
    icon: null,
};

/**
 * @param {{ conjunction: boolean, inputs: number, inverted: boolean }} request
 * @returns {Promise<Answer | null>} {conjunction, inputs, inverted}
 */
function logicElement(request) {
    const d = new Dialog(texts.LogicElementTitle, 186, 89);
    let conjunction = request.conjunction;
    /**
     * @param {string} label
     * @param {import('./dialog-frame.js').Box} rect
     * @param {boolean} textFirst
     */
    const radio = (label, rect, textFirst) => {
        const wrapper = document.createElement('label');
        const input = document.createElement('input');
        input.type = 'radio';
        if (textFirst) wrapper.append(label, input); else wrapper.append(input, label);
        return { wrapper: d.add(position(wrapper, rect)), input };
    };
    const conj = radio(texts.Conjunctor, { left: 11, top: 75, width: 100, height: 15 }, true);
    const disj = radio(texts.Disjunctor, { left: 163, top: 75, width: 110, height: 15 }, false);
    /** @param {boolean} value */
    const choose = (value) => {
        conjunction = value;
        conj.input.checked = value;
        disj.input.checked = !value;
    };
    conj.input.addEventListener('click', () => choose(true));
    disj.input.addEventListener('click', () => choose(false));
    d.staticText(texts.InputCount, [7, 7, 68, 13], 'center');
    const count = d.edit([78, 7, 29, 13], { centred: true });
    d.staticText(texts.InputRange, [121, 7, 30, 13], 'center');
    const range = limits.inputCount;
    /** @param {number} delta */
    const step = (delta) => {
        const typed = parseUnsigned(count.value);
        const next = typed === null ? range.min : Math.min(range.max, Math.max(range.min, typed + delta));
        count.value = String(next);
        count.select();
    };
    const upDown = document.createElement('div');
    Object.assign(upDown.style, { display: 'flex', flexDirection: 'column' });
    for (const [label, delta] of /** @type {[string, number][]} */ ([['▲', 1], ['▼', -1]])) {
        const b = document.createElement('button');
        b.tabIndex = -1;
        b.textContent = label;
        Object.assign(b.style, { flex: '1', fontSize: '6px', lineHeight: '6px' });
        b.addEventListener('mousedown', (e) => { e.preventDefault(); step(delta); count.focus(); });
        upDown.append(b);
    }
    d.add(upDown, [107, 7, 9, 13]);
    count.addEventListener('keydown', (event) => {
        if (event.key === 'ArrowUp' || event.key === 'ArrowDown') {
            event.preventDefault();
            step(event.key === 'ArrowUp' ? 1 : -1);
        }
    });
    const invertedLabel = document.createElement('label');
    const inverted = document.createElement('input');
    inverted.type = 'checkbox';
    invertedLabel.append(inverted, texts.InvertedOutput);
    d.add(invertedLabel, [40, 30, 105, 10]);
    const [ok, cancel] = d.okCancel([7, 68, 50, 14], [129, 68, 50, 14], async () => {
        const value = parseUnsigned(count.value);
        if (value === null) return d.refuse(count, texts.EnterInteger);
        if (value < range.min || value > range.max) {
            return d.refuse(count, texts.EnterIntegerInRange
                .replace('%1', String(range.min)).replace('%2', String(range.max)));
        }
        d.close({ conjunction, inputs: value, inverted: inverted.checked });
    });
    // The desktop's order: the controls as its dialog makes them.
    d.tabOrder = [conj.input, disj.input, ok, cancel, count, inverted];
    choose(request.conjunction);
    count.value = String(request.inputs);
    inverted.checked = request.inverted;
    return d.show(count);
}

/**
 * @param {{ period: number, duty: number, delay: number }} request
 * @returns {Promise<Answer | null>} {period, duty, delay}: the numbers as typed
 */
function generator(request) {
    const d = new Dialog(texts.GeneratorTitle, 186, 95);
    const heading = d.staticText(texts.PulseParameters, [7, 7, 172, 10], 'center');
    heading.style.border = '1px inset #a0a0a0';
    d.staticText(texts.Period, [79, 22, 69, 9]);
    d.staticText(texts.Duty, [7, 38, 141, 9]);
    d.staticText(texts.Delay, [67, 54, 83, 9]);
    /** @type {[string, HTMLInputElement, number, { min: number, max: number }][]} */
    const fields = [
        ['period', d.edit([154, 21, 25, 12]), request.period, limits.period],
        ['duty', d.edit([154, 36, 25, 12]), request.duty, limits.duty],
        ['delay', d.edit([154, 51, 25, 12]), request.delay, limits.delay],
    ];
    d.okCancel([7, 74, 50, 14], [129, 74, 50, 14], async () => {
        // Fields are checked top to bottom; the first refused one keeps the focus.
        /** @type {Answer} */
        const typed = {};
        for (const [name, field, , { min, max }] of fields) {
            const number = parseFloatField(field.value);
            if (number === null) return d.refuse(field, texts.EnterNumber);
            if (number.single < min || number.single > max) {
                return d.refuse(field, texts.EnterNumberInRange
                    .replace('%1', formatFloat(min)).replace('%2', formatFloat(max)));
            }
            typed[name] = number.value;
        }
        d.close(typed);
    });
    for (const [, field, value] of fields) field.value = formatFloat(value);
    return d.show(fields[0][1]);
}

/**
 * @param {Dialog} d
 * @param {string[]} lines
 * @param {Units} firstUnits
 * @param {number} step
 */
function readOnlyLines(d, lines, firstUnits, step) {
    lines.forEach((line, i) => {
        const [x, y, w, h] = firstUnits;
        d.edit([x, y + step * i, w, h], { readOnly: true, centred: true }).value = line;
    });
}

/** @param {{ line1: string, line2: string }} request */
function question(request) {
    const d = new Dialog(texts.QuestionTitle, 141, 50);
    readOnlyLines(d, [request.line1, request.line2], [7, 7, 127, 12], 7);
    d.okCancel([7, 29, 50, 14], [84, 29, 50, 14], () => d.close({}));
    return d.show();
}

/**
 * Opened beside the click, kept on the screen.
 * @param {{ x: number, y: number }} request
 */
function deleteConfirm(request) {
    const d = new Dialog(texts.DeleteTitle, 154, 59);
    d.staticText(texts.DeleteQuestion, [7, 7, 140, 19], 'center');
    d.okCancel([7, 38, 50, 14], [97, 38, 50, 14], () => d.close({}));
    const r = byId('workarea').getBoundingClientRect();
    return d.show(null, { x: r.left + request.x * workScale.css + 5,
                          y: r.top + request.y * workScale.css + 50 });
}

/**
 * The element magnified with a round button beside every pin, where the core puts
 * it; only the free pins can be chosen.
 * @param {{ present: boolean[], enabled: boolean[],
 *           buttons: { left: number, top: number }[] }} request
 * @returns {Promise<Answer | null>} {pin}, null for OK without a choice
 */
function pinChoice(request) {
    const d = new Dialog(texts.PinChoiceTitle, 186, 156);
    d.staticText(texts.PinChoiceQuestion, [7, 7, 172, 18]);
    const picture = dialogPictures.element;
    if (picture && picture.width > 0) {
        const c = document.createElement('canvas');
        c.width = picture.width;
        c.height = picture.height;
        context2d(c).putImageData(
            new ImageData(new Uint8ClampedArray(picture.bytes), picture.width, picture.height), 0, 0);
        position(c, { left: pinChoiceLayout.pictureLeft, top: pinChoiceLayout.pictureTop,
                      width: picture.width * pinChoiceLayout.magnification,
                      height: picture.height * pinChoiceLayout.magnification });
        d.add(c);
    }
    /** @type {number | null} */
    let chosen = null;
    /** @type {HTMLInputElement[]} */
    const buttons = [];
    request.buttons.forEach(({ left, top }, pin) => {
        if (!request.present[pin]) return;
        const input = document.createElement('input');
        input.type = 'radio';
        input.name = 'pin';
        input.dataset.pin = String(pin);
        input.tabIndex = -1;
        input.disabled = !request.enabled[pin];
        input.addEventListener('click', () => {
            chosen = pin;
            buttons.forEach((b) => { b.checked = b === input; });
        });
        const size = pinChoiceLayout.buttonSize;
        position(input, { left, top, width: size, height: size });
        buttons.push(d.add(input));
    });
    d.okCancel([129, 114, 50, 14], [129, 135, 50, 14], () => d.close({ pin: chosen }));
    return d.show();
}

/** The most characters a typed file name may have. */
const kMaxTypedName = 24;

/**
 * @param {{ label: string, name: string }} request
 * @returns {Promise<Answer | null>} {name}
 */
function fileName(request) {
    const d = new Dialog(texts.FileNameTitle, 186, 63);
    d.edit([8, 8, 68, 12], { readOnly: true, maxLength: 40 }).value = request.label;
    // A typed name has at most 24 characters: a keystroke past them does nothing, and a
    // longer name pasted in is refused rather than cut. The preset may be longer (a
    // file from the disk keeps its own name).
    const name = d.edit([79, 7, 100, 12]);
    name.value = request.name;
    name.addEventListener('beforeinput', (event) => {
        if (event.inputType !== 'insertText' || !event.data) return;
        const selected = (name.selectionEnd ?? 0) - (name.selectionStart ?? 0);
        if (name.value.length - selected + event.data.length > kMaxTypedName) event.preventDefault();
    });
    d.okCancel([7, 42, 50, 14], [129, 42, 50, 14], async () => {
        // No file can have an empty name; asking again beats reporting a failure later.
        if (name.value === '') return d.refuse(name, texts.EnterFileName);
        if (name.value.length > kMaxTypedName && name.value !== request.name) {
            return d.refuse(name, texts.EnterShorterFileName.replace('%1', String(kMaxTypedName)));
        }
        d.close({ name: name.value });
    });
    return d.show(name);
}

/**
 * The focused "Отказаться" is the button Enter presses.
 * @param {{ line1: string, line2: string, line3: string }} request
 */
function warning(request) {
    const d = new Dialog(texts.WarningTitle, 201, 74);
    readOnlyLines(d, [request.line1, request.line2, request.line3], [7, 7, 187, 12], 12);
    d.defaultButton = d.button(texts.Continue, [7, 53, 50, 14], () => d.close({}));
    const refuse = d.button(texts.Refuse, [144, 53, 50, 14], () => d.close(null));
    return d.show(refuse);
}

/** Asked when "Выход" would lose changes; Enter saves, Escape cancels the exit. */
function saveChanges() {
    const d = new Dialog(texts.ProgramName, 186, 45);
    d.staticText(texts.SaveChangesQuestion, [7, 7, 172, 10]);
    const save = d.button(texts.SaveChanges, [7, 24, 54, 14], () => d.close({ save: true }));
    d.defaultButton = save;
    d.button(texts.DontSaveChanges, [66, 24, 54, 14], () => d.close({ save: false }));
    d.button(texts.CancelClosing, [125, 24, 54, 14], () => d.close(null));
    return d.show(save);
}

function about() {
    const d = new Dialog(texts.AboutTitle, 214, 195);
    d.cancelAnswer = {};
    const icon = document.createElement('canvas');
    const iconPicture = dialogPictures.icon;
    if (iconPicture) {
        icon.width = iconPicture.width;
        icon.height = iconPicture.height;
        context2d(icon).putImageData(iconPicture, 0, 0);
    }
    d.add(icon, [24, 27, 21, 20]).style.width = icon.style.height = '';
    /** @type {[string, Units, string?][]} */
    const lines = [
        [texts.AboutDeveloperRole, [69, 7, 138, 8]], [texts.AboutDeveloperGroup, [94, 15, 113, 8]],
        [texts.AboutDeveloperName, [145, 27, 62, 8]], [texts.AboutAssistantRole, [69, 39, 138, 8]],
        [texts.AboutAssistantGroup, [94, 47, 113, 8]], [texts.AboutAssistantName, [152, 59, 55, 8]],
        [texts.AboutThanksHeading, [7, 76, 200, 16]], [texts.AboutTeacher1, [7, 96, 200, 8]],
        [texts.AboutTeacher2, [7, 104, 200, 8]], [texts.AboutTeacher3, [7, 112, 200, 8]],
        [texts.AboutTeacher4, [7, 124, 200, 16]], [texts.AboutTeacher5, [7, 140, 200, 8]],
        [texts.AboutInitiator, [7, 156, 200, 16], 'center'], [texts.AboutPlaceAndYear, [86, 180, 44, 8]],
    ];
    for (const [text, units, align] of lines) d.staticText(text, units, align);
    d.defaultButton = d.button(texts.Ok, [166, 174, 41, 14], () => d.close({}));
    return d.show();
}

// The note names the manual; in the page its name opens it in a new tab.
function helpNote() {
    const d = new Dialog(texts.HelpNoteTitle, 147, 53, kFont10);
    d.cancelAnswer = {};
    const note = d.staticText('', [26, 7, 94, 18]);
    const [before] = texts.HelpNoteText.split('help.html');
    const link = document.createElement('a');
    link.href = '#';
    link.textContent = 'help.html';
    link.addEventListener('click', (event) => { event.preventDefault(); openManual(); });
    note.append(before, link);
    d.defaultButton = d.button(texts.Ok, [54, 34, 38, 12], () => d.close({}));
    return d.show();
}

/** @type {Record<string, (request: any) => Promise<Answer | null>>} */
const kinds = {
    message: messageBox, logic: logicElement, generator, question, delete: deleteConfirm,
    pin: pinChoice, fileName, warning, saveChanges, about, help: helpNote,
    pickFile: async ({ stagedPath }) => {
        const name = await pickFile(stagedPath);
        return name === null ? null : { name };
    },
};

/**
 * Runs the dialog the core asks for with its request.
 * @param {string} kind
 * @param {object} request
 * @returns {Promise<Answer | null>}
 */
export function runDialog(kind, request) {
    const dialog = kinds[kind];
    if (!dialog) throw new Error(`no dialog "${kind}"`);
    return dialog(request);
}

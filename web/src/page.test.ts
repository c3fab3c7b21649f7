// The page's own rules, outside a browser: the keys it hands the game, the
// links it takes from its address, the names of downloads. (The browser
// tests prove the wiring.)
import assert from "node:assert/strict";
import { test } from "node:test";
import { acceptOf, linkOfAddress, saveNameOf } from "./files.js";
import { keyName } from "./keys.js";
import { formatPlayTime, timeStep } from "./times_plot.js";

const press = (key: string, code = "", mods: { ctrl?: boolean; shift?: boolean; alt?: boolean } = {}) =>
  keyName({ key, code, ctrlKey: !!mods.ctrl, shiftKey: !!mods.shift, altKey: !!mods.alt, metaKey: false });

test("keys: digits by their value or their place, notes with Ctrl, history, moves", () => {
  assert.equal(press("7", "Digit7"), "7");
  assert.equal(press("ý", "Digit7"), "7"); // a Czech keyboard's top row
  assert.equal(press("7", "Digit7", { shift: true }), "7");
  assert.equal(press("3", "Numpad3"), "3");
  assert.equal(press("PageDown", "Numpad3"), null); // the number block without Num Lock
  assert.equal(press("0", "Digit0"), null);
  assert.equal(press("+", "Digit1", { ctrl: true }), "Ctrl+1");
  assert.equal(press("z", "KeyY", { ctrl: true }), "Ctrl+Z");
  assert.equal(press("Z", "KeyY", { ctrl: true, shift: true }), "Ctrl+Y");
  assert.equal(press("y", "KeyZ", { ctrl: true }), "Ctrl+Y");
  assert.equal(press("c", "KeyC", { ctrl: true }), null); // the browser's copy stays the browser's
  assert.equal(press("n", "KeyN"), "N");
  for (const key of ["ArrowLeft", "ArrowDown", "Delete", "Backspace", "Escape"]) assert.equal(press(key, key), key);
  assert.equal(press("1", "Digit1", { alt: true }), null);
  assert.equal(press("Tab", "Tab"), null);
  assert.equal(press("Enter", "Enter"), null);
});

test("links: a task link after ? or #, decoded; any other address opens no task", () => {
  const at = (search: string, hash = "") => linkOfAddress({ search, hash } as Location);
  assert.equal(at("?kakuro/3/3/..."), "kakuro/3/3/...");
  assert.equal(at("?m+kakuro/3/3/..."), "m+kakuro/3/3/...");
  assert.equal(at("", "#kakuro/5/5/a%2Cb"), "kakuro/5/5/a,b");
  assert.equal(at("?kakuro/5/5/%E0"), "kakuro/5/5/%E0"); // broken escapes: the game says what is wrong
  assert.equal(at("?utm_source=mail"), null);
  assert.equal(at("", ""), null);
});

test("files: a download is named by the game, else by the task; the picker takes the game's types", () => {
  const file = { title: "Ulož", filterName: "hra", filterPattern: "*.sav", forSaving: true };
  assert.equal(saveNameOf({ ...file, fileName: "/home/hra/L 11 4711.sav" }, "x"), "L 11 4711.sav");
  assert.equal(saveNameOf(file, "L 11 4711  "), "L 11 4711.sav");
  assert.equal(saveNameOf({ ...file, fileName: "/krizovky/*.sav" }, "01 lehká"), "01 lehká.sav");
  assert.equal(saveNameOf(file, 'a/b:c*"'), "a_b_c_.sav");
  assert.equal(saveNameOf({ ...file, filterPattern: "" }, ""), "krizovka");
  assert.equal(acceptOf("*.sav"), ".sav");
  assert.equal(acceptOf("*.kri *.txt"), ".kri,.txt");
  assert.equal(acceptOf("*"), "");
});

test("times plot: the axis holds the slowest result in at most six lines, its times as the game writes them", () => {
  for (const most of [60, 61, 299, 300, 1799, 3601, 7200, 20000, 90000]) {
    const step = timeStep(most);
    const top = (Math.floor(most / step) + 1) * step;
    assert.ok(top > most, `${most}`);
    assert.ok(top / step <= 6 || step === 14400, `${most}: ${top / step} lines`);
  }
  assert.equal(formatPlayTime(0), "0:00");
  assert.equal(formatPlayTime(761), "12:41");
  assert.equal(formatPlayTime(3605), "1:00:05");
});

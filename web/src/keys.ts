// The desktop's keys by the names the game knows them by.
type KeyPress = Pick<KeyboardEvent, "key" | "code" | "ctrlKey" | "shiftKey" | "altKey" | "metaKey">;

const namedKeys = ["ArrowLeft", "ArrowRight", "ArrowUp", "ArrowDown", "Delete", "Backspace", "Escape"];

export function keyName(event: KeyPress): string | null {
  if (event.altKey || event.metaKey) return null;
  // A digit is also read from the key's place: on a Czech keyboard the top
  // row gives "+ěšč…" without Shift. A key that types nothing (the number
  // block's End without Num Lock) is no digit.
  const printable = event.key.length === 1;
  const digit = /^[1-9]$/.test(event.key)
    ? event.key
    : printable
      ? (/^(?:Digit|Numpad)([1-9])$/.exec(event.code)?.[1] ?? null)
      : null;
  if (event.ctrlKey) {
    if (digit) return `Ctrl+${digit}`;
    const letter = event.key.toLowerCase();
    if (letter === "z") return event.shiftKey ? "Ctrl+Y" : "Ctrl+Z";
    if (letter === "y") return "Ctrl+Y";
    return null;
  }
  if (digit) return digit;
  if (event.key === "n" || event.key === "N") return "N";
  if (event.key === "p" || event.key === "P") return "P";
  return namedKeys.includes(event.key) ? event.key : null;
}

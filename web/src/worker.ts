// The task maker of "Nová úloha" in a Web Worker, with its own instance of
// the core: a making takes seconds and the page keeps answering meanwhile.
// The page ends the worker to cancel a making and starts a fresh one.
import { TaskWorkshop, fetchBytes, loadCore } from "./core.js";

interface Scope {
  postMessage(message: unknown): void;
  onmessage: ((event: MessageEvent<{ id: number; request: string }>) => void) | null;
}
const scope = self as unknown as Scope;

const workshop: Promise<TaskWorkshop> = (async () => {
  const [core, combinations, structures] = await Promise.all([
    loadCore(),
    fetchBytes("krizovky.DEF"),
    fetchBytes("krizovky.VZR"),
  ]);
  return new core.TaskWorkshop(combinations, structures);
})();

// Requests wait for the workshop, one after another.
let queue: Promise<unknown> = Promise.resolve();
scope.onmessage = (event) => {
  const { id, request } = event.data;
  queue = queue.then(async () => {
    try {
      scope.postMessage({ id, result: (await workshop).make(request) });
    } catch (error) {
      scope.postMessage({ id, error: String(error instanceof Error ? error.message : error) });
    }
  });
};

// The worker that makes the tasks of "Nová úloha". Ending it is the only way
// to stop a making; a fresh one then waits for the next.
export class TaskMaker {
  private worker: Worker | null = null;

  constructor(
    private readonly done: (id: number, result: string) => void,
    private readonly failed: (message: string) => void,
  ) {}

  // Loads the worker's core ahead of the first making.
  prepare(): void {
    this.worker ??= this.spawn();
  }

  start(id: number, request: string): void {
    this.prepare();
    this.worker!.postMessage({ id, request });
  }

  restart(): void {
    this.worker?.terminate();
    this.worker = this.spawn();
  }

  private spawn(): Worker {
    const worker = new Worker(new URL("./worker.js", import.meta.url), { type: "module", name: "tvorba úloh" });
    worker.onmessage = (event: MessageEvent<{ id: number; result?: string; error?: string }>) => {
      const { id, result, error } = event.data;
      if (result !== undefined) this.done(id, result);
      else this.failed(error ?? "");
    };
    worker.onerror = (event) => {
      event.preventDefault();
      if (this.worker === worker) this.worker = null;
      worker.terminate();
      this.failed(event.message || "chyba ve workeru");
    };
    return worker;
  }
}

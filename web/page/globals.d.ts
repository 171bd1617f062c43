// What the page's modules find in the page besides themselves: the core's
// Emscripten module factory (lotra-core.js, put into the page after them).

interface EmscriptenFS {
    mkdir(path: string): void;
    mount(type: unknown, options: object, mountPoint: string): void;
    syncfs(populate: boolean, callback: (error: unknown) => void): void;
    chdir(path: string): void;
    readdir(path: string): string[];
    stat(path: string): { mode: number; mtime: Date };
    isFile(mode: number): boolean;
    writeFile(path: string, data: Uint8Array): void;
}

interface LotraCore {
    ccall(name: string, returnType: 'number' | null, argTypes: string[], args: unknown[],
          options?: { async?: boolean }): any;
    UTF8ToString(pointer: number): string;
    FS: EmscriptenFS;
    IDBFS: unknown;
}

declare function createLotraCore(options: { wasmBinary: Uint8Array }): Promise<LotraCore>;

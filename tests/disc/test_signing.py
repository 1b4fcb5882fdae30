"""The product build signed with a throw-away code-signing certificate:
the signature verifies against that certificate and stops verifying when a
byte of the file changes; the signed file still passes the import check,
holds its resources and is the file in the disc image; and the build
refuses a certificate it cannot use, naming the fault and leaving no
program and no image.

    test_signing.py --source DIR --work DIR
"""

import argparse
import os
import shutil
import subprocess
import sys
import unittest

ARGS = None


def run(*command, **kwargs):
    return subprocess.run(command, stdin=subprocess.DEVNULL, capture_output=True, text=True, **kwargs)


def make_certificate(folder, name, code_signing=True):
    """A self-signed certificate and key as NAME.p12 with the password in
    NAME.pass, and the certificate as NAME.pem."""
    key, pem = os.path.join(folder, name + ".key"), os.path.join(folder, name + ".pem")
    p12, password = os.path.join(folder, name + ".p12"), os.path.join(folder, name + ".pass")
    usage = "codeSigning" if code_signing else "serverAuth"
    result = run("openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key, "-out", pem,
                 "-days", "30", "-subj", f"/CN=Disc Vendor {name}",
                 "-addext", f"extendedKeyUsage={usage}", "-addext", "keyUsage=digitalSignature")
    assert result.returncode == 0, result.stderr
    with open(password, "w") as f:
        f.write(f"secret of {name}\n")
    result = run("openssl", "pkcs12", "-export", "-inkey", key, "-in", pem, "-out", p12,
                 "-passout", "file:" + password)
    assert result.returncode == 0, result.stderr
    return p12, password, pem


class SignedBuild(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.work = ARGS.work
        shutil.rmtree(cls.work, ignore_errors=True)
        os.makedirs(cls.work)
        cls.p12, cls.password, cls.pem = make_certificate(cls.work, "vendor")
        cls.build = os.path.join(cls.work, "build")
        cls.menu = os.path.join(cls.build, "src", "menu.exe")
        cls.image = os.path.join(cls.build, "disc.iso")
        result = cls.configure(cls.p12, cls.password)
        assert result.returncode == 0, result.stdout + result.stderr
        result = cls.make()
        assert result.returncode == 0, result.stdout + result.stderr

    @classmethod
    def configure(cls, p12, password):
        return run("cmake", "-S", ARGS.source, "-B", cls.build, "-G", "Ninja",
                   "-DCMAKE_TOOLCHAIN_FILE=" + os.path.join(ARGS.source, "cmake", "mingw-w64-i686.cmake"),
                   "-DCMAKE_BUILD_TYPE=MinSizeRel", "-DMENU_BUILD_TESTS=OFF",
                   "-DMENU_SIGN_PKCS12=" + p12, "-DMENU_SIGN_PASSWORD_FILE=" + password)

    @classmethod
    def make(cls):
        return run("cmake", "--build", cls.build, "--target", "disc-image")

    def verify(self, path):
        return run("osslsigncode", "verify", "-in", path, "-CAfile", self.pem)

    def test_the_signature_verifies_and_a_changed_byte_breaks_it(self):
        result = self.verify(self.menu)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertIn("Disc Vendor vendor", result.stdout)
        changed = os.path.join(self.work, "changed.exe")
        with open(self.menu, "rb") as f:
            data = bytearray(f.read())
        data[0x2000] ^= 0xFF  # in the code
        with open(changed, "wb") as f:
            f.write(data)
        self.assertNotEqual(self.verify(changed).returncode, 0)

    def test_the_password_is_on_no_command_line_and_in_no_cache(self):
        with open(self.password) as f:
            secret = f.read().strip()
        with open(os.path.join(self.build, "CMakeCache.txt")) as f:
            self.assertNotIn(secret, f.read())
        with open(os.path.join(self.build, "build.ninja")) as f:
            self.assertNotIn(secret, f.read())

    def test_the_signed_file_passes_the_import_check(self):
        result = run(os.path.join(ARGS.source, "tests", "win32", "check-imports.sh"), self.menu,
                     os.path.join(ARGS.source, "tests", "win32", "xp-imports.txt"))
        self.assertEqual(result.returncode, 0, result.stdout)

    def test_the_image_holds_the_signed_file_and_its_resources(self):
        content = os.path.join(self.build, "disc")
        result = run(sys.executable, os.path.join(ARGS.source, "tests", "disc", "test_image.py"),
                     "--iso", self.image, "--content", content, "--menu", self.menu)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        extracted = os.path.join(self.work, "extracted.exe")
        result = run("xorriso", "-no_rc", "-osirrox", "on", "-indev", self.image, "-extract", "/menu.exe", extracted)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(extracted, "rb") as a, open(self.menu, "rb") as b:
            self.assertEqual(a.read(), b.read())
        self.assertEqual(self.verify(extracted).returncode, 0)

    def test_the_signed_image_starts_under_wine(self):
        result = run(os.path.join(ARGS.source, "tests", "disc", "smoke-from-image.sh"), self.image,
                     ARGS.automation, os.path.join(ARGS.source, "src", "art"), os.path.join(self.work, "smoke"))
        self.assertEqual(result.returncode, 0, result.stdout[-3000:] + result.stderr[-2000:])
        self.assertIn("0 failed", result.stdout)

    # Last, as they spoil the build folder.
    def test_z_refusals_name_the_fault_and_leave_no_program_and_no_image(self):
        other, other_password, _ = make_certificate(self.work, "server", code_signing=False)
        wrong = os.path.join(self.work, "wrong.pass")
        with open(wrong, "w") as f:
            f.write("not the password\n")
        cases = [
            (os.path.join(self.work, "missing.p12"), self.password, "cannot be read"),
            (self.p12, os.path.join(self.work, "missing.pass"), "cannot be read"),
            (self.p12, wrong, "does not open the certificate"),
            (other, other_password, "cannot sign code"),
        ]
        for p12, password, fault in cases:
            with self.subTest(fault=fault, p12=p12, password=password):
                self.assertEqual(self.configure(p12, password).returncode, 0)
                result = self.make()
                self.assertNotEqual(result.returncode, 0)
                self.assertIn(fault, result.stdout + result.stderr)
                self.assertFalse(os.path.exists(self.menu), "an unsigned program was left")
                self.assertFalse(os.path.exists(self.image), "a disc image was left")


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--source", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--automation", required=True)
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)

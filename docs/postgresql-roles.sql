-- The roles of a ledger on a shared PostgreSQL server. Run once per ledger schema, as a
-- superuser, in the ledger's database:
--
--   psql -v schema=ksiega -v owner=ksiega_owner -v app=ksiega_app -f docs/postgresql-roles.sql DBNAME
--
-- then give both roles passwords (\password ksiega_owner, \password ksiega_app).
--
--   owner  owns the schema and every table, view and sequence in it. Only it creates the
--          schema's contents and upgrades them (`ksiega demo`, the first run of a new version).
--   app    the role the program runs as day to day: not a superuser, owns nothing, may not
--          create anything but temporary tables; it reads and writes the rows of its own
--          schema and nothing else.

CREATE ROLE :"owner" LOGIN NOSUPERUSER NOCREATEDB NOCREATEROLE NOREPLICATION;
CREATE ROLE :"app" LOGIN NOSUPERUSER NOCREATEDB NOCREATEROLE NOREPLICATION NOINHERIT;
CREATE SCHEMA IF NOT EXISTS :"schema" AUTHORIZATION :"owner";

-- Nobody but an owner creates objects in the shared public schema.
REVOKE CREATE ON SCHEMA public FROM PUBLIC;

-- The rows of the ledger's schema: what is there now and what the owner creates later.
GRANT USAGE ON SCHEMA :"schema" TO :"app";
GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA :"schema" TO :"app";
GRANT USAGE, SELECT, UPDATE ON ALL SEQUENCES IN SCHEMA :"schema" TO :"app";
ALTER DEFAULT PRIVILEGES FOR ROLE :"owner" IN SCHEMA :"schema" GRANT SELECT, INSERT, UPDATE, DELETE ON TABLES TO :"app";
ALTER DEFAULT PRIVILEGES FOR ROLE :"owner" IN SCHEMA :"schema" GRANT USAGE, SELECT, UPDATE ON SEQUENCES TO :"app";

-- Functions every role may call by default that the program never needs: sleeping and large
-- objects (which live outside any schema).
DO $$
DECLARE f regprocedure;
BEGIN
  FOR f IN SELECT p.oid::regprocedure FROM pg_proc p JOIN pg_namespace n ON n.oid = p.pronamespace
           WHERE n.nspname = 'pg_catalog'
             AND (p.proname LIKE 'lo!_%' ESCAPE '!' OR p.proname IN ('loread', 'lowrite')
                  OR p.proname LIKE 'pg!_sleep%' ESCAPE '!')
  LOOP
    EXECUTE format('REVOKE EXECUTE ON FUNCTION %s FROM PUBLIC', f);
  END LOOP;
END $$;

-- A session left inside a transaction does not hold its locks for ever.
ALTER ROLE :"app" SET idle_in_transaction_session_timeout = '10min';
